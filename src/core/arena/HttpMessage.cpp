#include "arena/HttpMessage.h"

namespace zav {

FormFields ReadUrlEncoded(std::string_view text) {
    FormFields fields;
    while (!text.empty()) {
        const std::size_t end = text.find('&');
        const std::string_view pair = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (pair.empty()) continue;
        const std::size_t equals = pair.find('=');
        fields.emplace(DecodePercent(pair.substr(0, equals), true),
                       equals == std::string_view::npos
                           ? std::string()
                           : DecodePercent(pair.substr(equals + 1), true));
    }
    return fields;
}

std::string HttpRequest::Param(const std::string& name) const {
    const auto found = params.find(name);
    return found == params.end() ? std::string() : found->second;
}

std::string HttpRequest::Cookie(const std::string& name) const {
    const std::string key = name + "=";
    for (std::size_t at = 0; at < cookies.size();) {
        while (at < cookies.size() && (cookies[at] == ' ' || cookies[at] == ';')) ++at;
        if (cookies.compare(at, key.size(), key) == 0) {
            const std::size_t end = cookies.find(';', at);
            return cookies.substr(at + key.size(), end == std::string::npos
                                                       ? std::string::npos
                                                       : end - at - key.size());
        }
        at = cookies.find(';', at);
    }
    return "";
}

}  // namespace zav
