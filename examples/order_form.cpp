// Loads the form file examples/order.dfm, binds the page's OnBeforePut handler by name, and
// writes the page's HTML to the file named on the command line, or to standard output:
//     order_form [FORM] [OUT.html]
#include <fstream>
#include <iostream>

#include "core/WbPage.h"
#include "core/WbPanel.h"
#include "host/FormFile.h"

using namespace wb;

int main(int argc, char** argv) {
    const std::string formFile = argc > 1 ? argv[1] : "examples/order.dfm";
    try {
        // The handler runs at the start of every rendering of the page: what it changes shows
        // in this rendering. The form owns every component of the file.
        const auto onPage = [](TObject* Sender) {
            const TComponent* form = static_cast<TWbPage*>(Sender)->Owner();
            if (auto* total = dynamic_cast<TWbPanel*>(form->FindComponent("Total")))
                total->SetHTMLInside(TStringList{"<CAPTION>3 items</CAPTION>"});
        };
        const TFormFile file =
            TFormFile::Load(formFile, {.Handlers = {{"OrderPageBeforePut", onPage}}});
        const std::string html = file.Find<TWbPage>("OrderPage").put();
        if (argc < 3) {
            std::cout << html;
            return 0;
        }
        std::ofstream out(argv[2], std::ios::binary);
        if (!(out << html).flush()) {
            std::cerr << "order_form: cannot write " << argv[2] << '\n';
            return 1;
        }
    } catch (const Exception& e) {
        std::cerr << "order_form: " << e.Message() << '\n';
        return 1;
    }
    return 0;
}
