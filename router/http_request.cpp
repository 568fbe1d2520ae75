#include "http_request.h"

#ifdef _WIN32
#include <windows.h>
#include <wincrypt.h>
#else
#include <glib.h>
#endif

#include <memory>

// The whole input is encoded, however long: the joined credentials have no
// length limit here.
#ifdef _WIN32
std::string Base64Encode(std::string_view input) {
    if (input.empty()) return {};
    const auto* bytes = reinterpret_cast<const BYTE*>(input.data());
    const auto size = static_cast<DWORD>(input.size());
    const DWORD flags = CRYPT_STRING_BASE64 | CRYPT_STRING_NOCRLF;
    DWORD length = 0;
    if (!CryptBinaryToStringA(bytes, size, flags, nullptr, &length)) return {};
    std::string encoded(length, '\0');
    if (!CryptBinaryToStringA(bytes, size, flags, encoded.data(), &length)) return {};
    encoded.resize(length);  // the second call counts without the terminator
    return encoded;
}
#else
std::string Base64Encode(std::string_view input) {
    const std::unique_ptr<gchar, decltype(&g_free)> encoded(
        g_base64_encode(reinterpret_cast<const guchar*>(input.data()), input.size()), &g_free);
    return encoded ? std::string(encoded.get()) : std::string();
}
#endif

std::string ComposeRequest(std::string_view address, std::string_view path, std::string_view user,
                           std::string_view password, std::string_view body, bool isPost) {
    std::string credentials;
    credentials.append(user).append(":").append(password);

    std::string request;
    request.append(isPost ? "POST " : "GET ").append(path).append(" HTTP/1.1\r\n");
    request.append("Accept: */*\r\n");
    request.append("Accept-Language: zh-cn\r\n");
    if (isPost) request.append("Content-Type: application/x-www-form-urlencoded\r\n");
    request.append("Accept-Encoding: gzip, deflate\r\n");
    request.append(
        "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727; "
        ".NET CLR 1.1.4322)\r\n");
    request.append("Host: ").append(address).append("\r\n");
    request.append("Connection: Keep-Alive\r\n");
    // The router's own pages send a blank after the length; keep it.
    if (isPost) request.append("Content-Length: ").append(std::to_string(body.size())).append(" \r\n");
    request.append("Authorization: Basic ").append(Base64Encode(credentials)).append("\r\n");
    request.append("\r\n");
    if (isPost) request.append(body).append("\r\n");
    return request;
}
