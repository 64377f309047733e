#include "upload/UploadError.h"

namespace zav {

bool IsRetried(UploadError error) {
    // A fault of the program may be one of memory, which passes.
    return error == UploadError::CannotConnect || error == UploadError::Refused ||
           error == UploadError::ProgramFault;
}

namespace {

TextId ReasonText(UploadError error) {
    switch (error) {
        case UploadError::BadAddress: return TextId::UploadBadAddress;
        case UploadError::LocalFolder: return TextId::UploadLocalFolder;
        case UploadError::CannotConnect: return TextId::UploadCannotConnect;
        case UploadError::LoginRefused: return TextId::UploadLoginRefused;
        case UploadError::HostUnknown: return TextId::UploadHostUnknown;
        case UploadError::HostKeyChanged: return TextId::UploadHostKeyChanged;
        case UploadError::NotTrusted: return TextId::UploadNotTrusted;
        case UploadError::Refused: return TextId::UploadRefused;
        case UploadError::NoBucket: return TextId::UploadNoBucket;
        case UploadError::ProgramFault: return TextId::UploadProgramFault;
        case UploadError::None:
        case UploadError::Stopped: break;
    }
    return TextId::UploadStopped;
}

}  // namespace

std::string DescribeFailure(const UploadFailure& failure, Language language) {
    // The trust advice names what to type: the detail is the ssh command or
    // the host's name in known_hosts.
    const bool trust =
        failure.error == UploadError::HostUnknown || failure.error == UploadError::HostKeyChanged;
    const std::string& pattern = Text(language, ReasonText(failure.error));
    if (trust) return FormatText(pattern, failure.detail);
    if (failure.detail.empty()) return pattern;
    return pattern + " (" + failure.detail + ")";
}

}  // namespace zav
