#include "arena/HttpMessage.h"

namespace zav {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string DecodePercent(std::string_view text, bool plusIsSpace) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+' && plusIsSpace) {
            out += ' ';
        } else if (c == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
                   HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

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
