// order_cgi: the order form of order.dfm as a web application, to copy when you start your own.
//
// A request without an order shows the order form. A submitted order is checked; when something
// is wrong, the order form comes back with the values as they were typed and a message, and
// otherwise the page of confirmation.dfm confirms the order, with a chart drawn for it. Every
// value taken from the request is escaped before it goes into a page.
//
// It runs as a CGI program, and as a FastCGI application when a FastCGI server starts it (one
// process answers request after request; server/lighttpd.conf shows both). The form files are
// read from the program's own directory. The chart goes to the directory named by the request
// variable WBFORMS_IMAGE_DIR, which the server serves under WBFORMS_IMAGE_URL.
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "cgi/WbCGI.h"
#include "cgi/WbFormRefill.h"
#include "cgi/WbServe.h"
#include "content/WbImage.h"
#include "content/WbText.h"
#include "core/WbPage.h"
#include "forms/WbDropDownlist.h"
#include "forms/WbInputForm.h"
#include "forms/WbListBox.h"
#include "host/Bitmaps.h"
#include "host/Canvas.h"
#include "host/FormFile.h"
#include "util/WbMiscTools.h"

using namespace wb;

namespace {

// An order as it was submitted: texts as typed (not yet escaped), choices as option texts.
struct TOrder {
    std::string Name;
    int Quantity = 0;
    std::string Size;
    std::vector<std::string> Colours;  // option values: "red", "green", "blue"
    std::vector<std::string> ColourNames;
    bool Gift = false;
    std::string Shipping;
    bool Voucher = false;
    std::string Note;
};

std::string ProgramDirectory() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return ".";
    const std::string program(path, static_cast<size_t>(length));
    return program.substr(0, program.rfind('/'));
}

// The form file beside the program. Loaded for every request, so nothing of one request is
// left in the next when the program runs as a FastCGI application.
TFormFile LoadForm(const std::string& FileName) {
    return TFormFile::Load(ProgramDirectory() + "/" + FileName, {.IgnoreEvents = true});
}

bool IsBlank(const std::string& Text) {
    return Text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// A whole number from 1 to 9999 (the field takes four characters), or 0.
int ParseQuantity(const std::string& Text) {
    if (Text.empty() || Text.size() > 4) return 0;
    if (!std::all_of(Text.begin(), Text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoi(Text);
}

// The text of the option with that value, or "" when the list has none.
std::string OptionText(const TStrings& Options, const std::string& Value) {
    for (const std::string& line : Options) {
        const TWbOption option = WbSplitOption(line);
        if (option.Value == Value) return option.Text;
    }
    return "";
}

// Reads the submitted order and says what is wrong with it: one line per fault, none when
// the order can be taken. The lists of the order form tell which choices exist.
std::vector<std::string> ReadOrder(TWbCGI& CGI, const TFormFile& OrderForm, TOrder& Order) {
    std::vector<std::string> faults;
    Order.Name = CGI.FormVar("name", "");
    if (IsBlank(Order.Name)) faults.push_back("Please give your name.");
    Order.Quantity = ParseQuantity(CGI.FormVar("quantity", ""));
    if (Order.Quantity == 0) faults.push_back("The quantity must be a number from 1 to 9999.");
    Order.Size = OptionText(OrderForm.Find<TWbDropDownlist>("Size").GetOptions(),
                            CGI.FormVar("size", ""));
    if (Order.Size.empty()) faults.push_back("Please choose a size.");
    for (const std::string& colour : CGI.FormVarValues("colours")) {
        const std::string name =
            OptionText(OrderForm.Find<TWbListBox>("Colours").GetOptions(), colour);
        if (name.empty()) continue;
        Order.Colours.push_back(colour);
        Order.ColourNames.push_back(name);
    }
    if (Order.Colours.empty()) faults.push_back("Please choose at least one colour.");
    Order.Shipping = CGI.FormVar("shipping", "");
    if (Order.Shipping != "standard" && Order.Shipping != "express")
        faults.push_back("Please choose how we ship.");
    Order.Gift = CGI.FormVar("gift", "") == "yes";
    Order.Voucher = !CGI.FormVar("voucher", "").empty();
    Order.Note = CGI.FormVar("note", "");
    return faults;
}

// The order form, filled in as the request sent it when Refill is set, with the messages.
void SendOrderForm(TWbCGI& CGI, const TFormFile& form, const std::string& ScriptName, bool Refill,
                   const std::vector<std::string>& Messages) {
    // The form comes back to this program, whichever address the server gave it.
    form.Find<TWbInputForm>("Order").SetAction(WbEscapeHTML(ScriptName));
    if (Refill) WbRefillForm(form.Form(), CGI);
    TStringList lines;
    for (const std::string& message : Messages) lines.Add(message);
    form.Find<TWbText>("Message").WriteText(lines);
    CGI.Send(form.Find<TWbPage>("OrderPage").put());
}

TColor ColourOf(const std::string& Value) {
    if (Value == "red") return clRed;
    if (Value == "green") return clGreen;
    if (Value == "blue") return clBlue;
    return clGray;
}

// A bar for every colour ordered, as high as the quantity on a scale of 10, 100, 1000 or
// 10000 cups, with a grey line at every tenth of the scale and the scale written at the top.
TBitmap DrawChart(const TOrder& Order) {
    constexpr int32_t kBar = 40, kGap = 20, kHeight = 140, kTop = 30, kBase = kHeight - 10;
    const int32_t width = kGap + static_cast<int32_t>(Order.Colours.size()) * (kBar + kGap);
    TBitmap chart(width, kHeight, pf24bit);  // white
    TCanvas canvas(chart);
    int scale = 10;
    while (scale < Order.Quantity) scale *= 10;
    canvas.Brush().SetColor(clSilver);
    for (int tenth = 1; tenth <= 10; ++tenth) {
        const int32_t y = kBase - tenth * (kBase - kTop) / 10;
        canvas.FillRect(Rect(0, y, width, y + 1));
    }
    const int32_t barTop = kBase - Order.Quantity * (kBase - kTop) / scale;
    for (size_t i = 0; i < Order.Colours.size(); ++i) {
        const int32_t left = kGap + static_cast<int32_t>(i) * (kBar + kGap);
        canvas.Brush().SetColor(ColourOf(Order.Colours[i]));
        canvas.FillRect(Rect(left, barTop, left + kBar, kBase));
    }
    canvas.Brush().SetColor(clBlack);
    canvas.FillRect(Rect(0, kBase, width, kBase + 1));
    canvas.Brush().SetColor(clWhite);
    canvas.Font().SetName("ARIAL");
    canvas.Font().SetHeight(14);
    canvas.TextOut(2, 2, std::to_string(scale) + " cups");
    return chart;
}

// Writes the chart as a GIF file where the server serves it; the address, or "" when the file
// could not be written (the page then goes without the picture).
std::string PublishChart(const TOrder& Order, const TWbCGIRequest& Request) {
    const auto directory = Request.Variable("WBFORMS_IMAGE_DIR");
    if (!directory || directory->empty()) return "";
    WbSetInternalImagePath(*directory + "/");
    WbSetExternalImagePath(Request.Variable("WBFORMS_IMAGE_URL").value_or("/images") + "/");
    WbCleanupTempResources(60, 100);  // charts older than an hour
    const TBitmap chart = DrawChart(Order);
    return WbGenerateServerImage(chart, chart.Width(), chart.Height(), false);
}

std::string Join(const std::vector<std::string>& Parts) {
    std::string joined;
    for (const std::string& part : Parts) joined += (joined.empty() ? "" : ", ") + part;
    return joined;
}

void SendConfirmation(TWbCGI& CGI, const TWbCGIRequest& Request, const TOrder& Order,
                      const std::string& ScriptName) {
    const TFormFile page = LoadForm("confirmation.dfm");
    // Request values are escaped; the option texts come from our own form file.
    TStringList details{
        "Name: " + WbEscapeHTML(Order.Name),
        "Quantity: " + std::to_string(Order.Quantity) + " (" + Order.Size + ")",
        "Colours: " + Join(Order.ColourNames),
        std::string("Gift wrap: ") + (Order.Gift ? "yes" : "no"),
        "Shipping: " + std::string(Order.Shipping == "express" ? "Express" : "Standard"),
        std::string("Voucher: ") + (Order.Voucher ? "given" : "none"),
    };
    if (!Order.Note.empty()) {
        details.Add("Note:");
        // The browser sends the lines of a text area separated by CR LF.
        size_t start = 0;
        while (start <= Order.Note.size()) {
            const size_t end = std::min(Order.Note.find('\n', start), Order.Note.size());
            std::string line = Order.Note.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            details.Add(WbEscapeHTML(line));
            start = end + 1;
        }
    }
    page.Find<TWbText>("Details").WriteText(details);
    const std::string chart = PublishChart(Order, Request);
    if (!chart.empty()) {
        page.Find<TWbImage>("Chart").SetImagePath(chart);
    } else {
        // A component of width 0 is left out of the page.
        page.Find<TWbImage>("Chart").SetWidth(0);
        page.Find<TWbText>("ChartTitle").SetWidth(0);
    }
    page.Find<TWbText>("Again").SetLink(WbEscapeHTML(ScriptName));
    CGI.Send(page.Find<TWbPage>("ConfirmationPage").put());
}

void AnswerRequest(TWbCGI& CGI, const TWbCGIRequest& Request) {
    if (!CGI.BodyError().empty()) throw EWbBadRequest(CGI.BodyError());
    const std::string scriptName = Request.Variable("SCRIPT_NAME").value_or("");
    const TFormFile orderForm = LoadForm("order.dfm");
    // The order form sends the hidden field step=2; without it, this is a first visit.
    if (CGI.FormVar("step", "") != "2") {
        SendOrderForm(CGI, orderForm, scriptName, false, {});
        return;
    }
    TOrder order;
    const std::vector<std::string> faults = ReadOrder(CGI, orderForm, order);
    if (!faults.empty()) {
        SendOrderForm(CGI, orderForm, scriptName, true, faults);
        return;
    }
    SendConfirmation(CGI, Request, order, scriptName);
}

}  // namespace

int main() {
    WbMiscToolsStart();
    return WbServeRequests("order_cgi", AnswerRequest);
}
