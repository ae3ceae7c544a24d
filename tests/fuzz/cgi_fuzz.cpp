// Fuzzes the reading of a request's form variables: the input's first line is the query string,
// the rest the body of a form sent with the method POST. Checks what must hold for any request.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cgi/WbCGI.h"

namespace {

constexpr size_t kLimit = 4096;

void Check(bool Condition) {
    if (!Condition) std::abort();
}

struct Request {
    std::string query;
    std::string method;
    std::string body;
    size_t offset = 0;

    wb::TWbCGIRequest Make() {
        wb::TWbCGIRequest request;
        request.Variable = [this](const std::string& Name) -> std::optional<std::string> {
            if (Name == "QUERY_STRING") return query;
            if (Name == "REQUEST_METHOD") return method;
            if (Name == "CONTENT_TYPE") return std::string("application/x-www-form-urlencoded");
            if (Name == "CONTENT_LENGTH") return std::to_string(body.size());
            return std::nullopt;
        };
        // The body arrives in pieces of up to 7 bytes, as a slow connection gives it.
        request.ReadBody = [this](char* Buffer, size_t Size) -> ssize_t {
            const size_t count = std::min({Size, size_t{7}, body.size() - offset});
            body.copy(Buffer, count, offset);
            offset += count;
            return static_cast<ssize_t>(count);
        };
        return request;
    }
};

std::vector<std::string> Items(wb::TWbCGI& Cgi) {
    const wb::TStrings& items = Cgi.FormVars();
    return {items.begin(), items.end()};
}

std::vector<std::string> ItemsOf(Request& Source) {
    wb::TWbCGI cgi(nullptr);
    cgi.SetMaxBodySize(kLimit);
    cgi.SetRequest(Source.Make());
    return Items(cgi);
}

// The items joined by "&" give back the text they came from, but for one final "&".
void CheckSplit(const std::vector<std::string>& Items, std::string Text) {
    if (!Text.empty() && Text.back() == '&') Text.pop_back();
    std::string joined;
    for (size_t i = 0; i < Items.size(); ++i) {
        if (i > 0) joined += '&';
        joined += Items[i];
    }
    Check(joined == Text);
}

// Every byte as "%" and two hexadecimal digits, in upper or lower case.
std::string Encoded(std::string_view Text) {
    static const char kUpper[] = "0123456789ABCDEF";
    static const char kLower[] = "0123456789abcdef";
    std::string result;
    for (const char c : Text) {
        const auto byte = static_cast<unsigned char>(c);
        const char* digits = (byte & 1) != 0 ? kLower : kUpper;
        result += '%';
        result += digits[byte >> 4];
        result += digits[byte & 15];
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string_view input(reinterpret_cast<const char*>(Data), Size);
    const size_t newline = input.find('\n');
    const std::string query(input.substr(0, newline));
    const std::string body(newline == std::string_view::npos ? "" : input.substr(newline + 1));

    Request post{query, "POST", body};
    wb::TWbCGI cgi(nullptr);
    cgi.SetMaxBodySize(kLimit);
    cgi.SetRequest(post.Make());
    const std::vector<std::string> items = Items(cgi);

    // The body is used whole when it fits, and not touched when it does not.
    const bool bodyUsed = cgi.BodyError().empty();
    Check(bodyUsed == (body.size() <= kLimit));
    Check(post.offset == (bodyUsed ? body.size() : 0));

    // The query string's items, then the body's.
    Request get{query, "GET", body};
    Request bodyOnly{"", "POST", body};
    std::vector<std::string> expected = ItemsOf(get);
    CheckSplit(expected, query);
    Check(get.offset == 0);
    if (bodyUsed) {
        const std::vector<std::string> bodyItems = ItemsOf(bodyOnly);
        CheckSplit(bodyItems, body);
        expected.insert(expected.end(), bodyItems.begin(), bodyItems.end());
    }
    Check(items == expected);

    // Every named item is found under its name as sent.
    for (const std::string& item : items) {
        const size_t equals = item.find('=');
        if (equals != std::string::npos) Check(!cgi.FormVarValues(item.substr(0, equals)).empty());
    }

    // Decoding never lengthens a text, and undoes a full encoding of any bytes.
    // No item's name, as sent or decoded, is longer than the whole input.
    const std::string absent(Size + 1, 'n');
    Check(cgi.FormVar(absent, query).size() <= query.size());
    Check(cgi.FormVar(absent, Encoded(query)) == query);
    return 0;
}
