#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/TComponent.h"
#include "host/TStrings.h"

namespace wb {

// Where a TWbCGI takes its request from. The default, Process(), is the CGI program's own:
// the environment through getenv and the body from standard input (descriptor 0). A test or a
// FastCGI loop hands in its own functions.
struct TWbCGIRequest {
    // The value of a request variable ("QUERY_STRING", "CONTENT_LENGTH", ...), or nullopt when
    // it is not set.
    std::function<std::optional<std::string>(const std::string& Name)> Variable;
    // Reads up to Size bytes of the request body into Buffer, as read(2) does: the number of
    // bytes read, 0 at the end of the body, -1 with errno set on a failure.
    std::function<ssize_t(char* Buffer, size_t Size)> ReadBody;

    static TWbCGIRequest Process();
};

// Writes all Size bytes of Data somewhere, or raises EInOutError.
using TWbCGIWriter = std::function<void(const char* Data, size_t Size)>;

// The non-visual component through which a CGI program reads its request's form variables and
// writes its response. The request is read once, on the first FormVar (or LoadFormVars, or
// BodyError): the items of the whole query string, then, for a form sent with the method POST as
// application/x-www-form-urlencoded, the items of the body.
class TWbCGI : public TComponent {
public:
    explicit TWbCGI(TComponent* AOwner);
    static void Publish();
    ~TWbCGI() override;


    // Writes Text as the next part of the response: "Content-Type: text/html" and CR LF on this
    // component's first call, then on every call an empty line (CR LF), Text and CR LF. A failed
    // write raises EInOutError; what was written before stays written. A failure in the header
    // line leaves the header unwritten, so the next Send writes it again.
    void Send(const std::string& Text);
    // True once the header line has been written.
    bool HeaderWritten() const { return FHeaderWritten; }

    // The whole value of QUERY_STRING; empty when it is not set.
    std::string GetQueryString() const;
    // Appends the request's items (as sent, not decoded) to the form-variable list, creating it
    // first when it does not exist yet: the items of the query string as it stands now, then
    // those of the body, which is read on the first call only. FormVar calls it once, when it
    // creates the list; a program may call it earlier (to check BodyError before reading any
    // field), and FormVar then answers from what that call loaded. A second call appends the
    // same items once more, which FormVar's first-match rule hides.
    void LoadFormVars();
    // The decoded value of the first item whose name, as sent or decoded, is Name; Default,
    // decoded, when there is none. Decoding turns "+" into a blank and "%" with two hexadecimal
    // digits into that byte, and leaves any other "%" as it is.
    std::string FormVar(const std::string& Name, const std::string& Default);
    // The decoded values of every item named Name, in request order (a list box that allows
    // several selections sends one item per selected option).
    std::vector<std::string> FormVarValues(const std::string& Name);
    // The form-variable list: every item as it was sent, query string first, then body.
    const TStrings& FormVars();

    // Why the request body was not used, or empty when it was used or there was none to read: a
    // missing or invalid CONTENT_LENGTH, a body over MaxBodySize, a body shorter than announced,
    // a failed read. Reads the request first if nothing has read it yet.
    const std::string& BodyError();
    // The largest body that is read, in bytes; 1 MiB unless the program sets another before the
    // request is read. A larger body is not read at all.
    size_t MaxBodySize() const { return FMaxBodySize; }
    void SetMaxBodySize(size_t Value) { FMaxBodySize = Value; }

    // Where the request comes from: Process() unless set before the request is read. A function
    // left empty reads as no variables set, or an empty body.
    void SetRequest(TWbCGIRequest Request);
    // Where the response goes: the file descriptor Handle, written with write(2); 1 (standard
    // output) by default. A closed reader (EPIPE) or a full non-blocking output (EAGAIN) is a
    // failed write; SIGPIPE does not end the process.
    int OutputHandle() const { return FOutputHandle; }
    void SetOutputHandle(int Handle);
    // Where the response goes when it is not a descriptor (a FastCGI stream, a test's buffer).
    void SetOutput(TWbCGIWriter Writer);

private:
    // The name of an item of the form-variable list, worked out once when the item is loaded.
    struct TItemName {
        size_t Length;        // of the name as sent, before the first "="; npos without "="
        bool DecodedDiffers;  // the name decoded is not the name as sent
        std::string Decoded;  // the name decoded, when it differs
    };

    void AppendItems(const std::string& Text);
    // The value part of the first item of that name, as sent or decoded, from item Index on.
    std::optional<std::string_view> FindValue(const std::string& Name, size_t& Index) const;
    void EnsureFormVars();
    void ReadBodyOnce();
    std::string ReadBodyText(size_t Length);
    void Write(const std::string& Data);

    bool FHeaderWritten = false;
    std::unique_ptr<TStringList> FFormVars;
    std::vector<TItemName> FItemNames;  // one for each item of FFormVars
    TWbCGIRequest FRequest;
    bool FBodyRead = false;
    std::string FBody;
    std::string FBodyError;
    size_t FMaxBodySize = 1024 * 1024;
    int FOutputHandle = 1;
    TWbCGIWriter FOutput;
};

}  // namespace wb
