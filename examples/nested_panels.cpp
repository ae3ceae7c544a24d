// Builds a small page in C++ (a coloured page with a header band and two nested panels) and
// writes its HTML to the file named on the command line, or to standard output.
#include <fstream>
#include <iostream>

#include "core/WbPage.h"
#include "core/WbPanel.h"
#include "host/Forms.h"

using namespace wb;

namespace {

TWbPanel* AddPanel(TForm& form, TWinControl& parent, const char* name, int left, int top,
                   int width, int height, TColor color) {
    auto* panel = new TWbPanel(&form);
    panel->SetName(name);
    panel->SetParent(&parent);
    panel->SetBounds(left, top, width, height);
    panel->SetBackGroundColor(color);
    return panel;
}

}  // namespace

int main(int argc, char** argv) {
    TForm form;
    auto* page = new TWbPage(&form);
    page->SetName("OrderPage");
    page->SetParent(&form);
    page->SetPageTitle("Nested panels");
    page->SetBounds(0, 0, 600, 400);

    TWbPanel* header = AddPanel(form, *page, "Header", 10, 10, 580, 60, clNavy);
    header->GetHTMLInside().Add("<CAPTION>wbforms</CAPTION>");
    TWbPanel* body = AddPanel(form, *page, "Body", 10, 80, 580, 300, clSilver);
    AddPanel(form, *body, "Left", 10, 10, 270, 280, clWhite);
    TWbPanel* right = AddPanel(form, *body, "Right", 300, 10, 270, 280, WbTransparentColor);
    AddPanel(form, *right, "Inner", 20, 20, 100, 100, clYellow);

    const std::string html = page->put();
    if (argc < 2) {
        std::cout << html;
        return 0;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << html;
    if (!out.flush()) {
        std::cerr << "nested_panels: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
