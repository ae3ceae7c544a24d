// The cost of painting the design-time preview of a whole form: 50 components of every kind on
// a page, most of them with text, painted into one picture as the designer shows them. The
// first text loads its faces; the figures are for a warm process, where a designer repaints.
#include <benchmark/benchmark.h>

#include <string>

#include "content/WbImage.h"
#include "content/WbImageMap.h"
#include "content/WbJavaApplet.h"
#include "content/WbText.h"
#include "core/WbPage.h"
#include "core/WbPanel.h"
#include "forms/WbCheckBox.h"
#include "forms/WbDropDownlist.h"
#include "forms/WbInputForm.h"
#include "forms/WbListBox.h"
#include "forms/WbRadioButton.h"
#include "forms/WbSubmitButton.h"
#include "forms/WbTextArea.h"
#include "forms/WbTextInputField.h"
#include "host/DesignSurface.h"
#include "host/Forms.h"
#include "host/PngFile.h"

namespace {

using namespace wb;

template <class T>
T* Add(TForm& form, TWinControl& parent, int& count, int32_t left, int32_t top) {
    auto* component = new T(&form);
    component->SetName("C" + std::to_string(++count));
    component->SetParent(&parent);
    component->SetLeft(left);
    component->SetTop(top);
    return component;
}

// A page of 50 components: texts in three faces and several sizes and styles, a form with every
// kind of control holding text, panels, images with image maps and applets.
struct OrderForm {
    TForm form;
    int count = 0;

    OrderForm() {
        form.SetBounds(0, 0, 1000, 760);
        auto* page = Add<TWbPage>(form, form, count, 8, 8);
        page->SetBounds(8, 8, 980, 740);
        page->SetBackGroundColor(clWhite);
        for (int i = 0; i < 12; ++i) {
            auto* text = Add<TWbText>(form, *page, count, 10 + (i % 4) * 240, 10 + (i / 4) * 70);
            text->SetBounds(text->Left(), text->Top(), 230, 60);
            text->WriteText(TStringList{"Order <B>number</B> " + std::to_string(i), "Delivery within a week",
                                        "Prices include tax"});
            text->GetFont()->SetPrimaryFont(i % 3 == 0 ? "ARIAL" : i % 3 == 1 ? "COURIER NEW" : "MS Sans Serif");
            text->GetFont()->SetFontSize(1 + i % 4);
            text->GetFont()->SetBold(i % 2 == 0);
            text->SetAlign(i % 3 == 0 ? taLeft : i % 3 == 1 ? taCenter : taRight);
        }
        auto* order = Add<TWbInputForm>(form, *page, count, 10, 230);
        order->SetBounds(10, 230, 600, 500);
        order->SetBackGroundColor(clSilver);
        for (int i = 0; i < 5; ++i)
            Add<TWbTextInputField>(form, *order, count, 10, 10 + i * 30)->SetValue("Field value " + std::to_string(i));
        for (int i = 0; i < 3; ++i) {
            auto* area = Add<TWbTextArea>(form, *order, count, 150 + i * 150, 10);
            area->SetBounds(area->Left(), 10, 140, 140);
            area->SetColumns(15);
            area->SetValue(TStringList{"first line", "second line", "third line of the note"});
        }
        for (int i = 0; i < 5; ++i) Add<TWbCheckBox>(form, *order, count, 10 + i * 30, 170)->SetChecked(i % 2 == 0);
        for (int i = 0; i < 5; ++i) Add<TWbRadioButton>(form, *order, count, 170 + i * 30, 170)->SetChecked(i == 2);
        for (int i = 0; i < 3; ++i) {
            auto* list = Add<TWbDropDownlist>(form, *order, count, 10 + i * 140, 210);
            list->SetOptions(TStringList{"s=Small", "m=Medium", "l=Large"});
            list->SetSelected(i);
        }
        for (int i = 0; i < 3; ++i)
            Add<TWbListBox>(form, *order, count, 10 + i * 200, 250)
                ->SetOptions(TStringList{"a=Apples", "b=Bananas", "c=Cherries", "d=Dates"});
        for (int i = 0; i < 2; ++i) Add<TWbSubmitButton>(form, *order, count, 10 + i * 80, 340)->Setvalue("Send");
        for (int i = 0; i < 4; ++i) {
            auto* panel = Add<TWbPanel>(form, *page, count, 620, 230 + i * 85);
            panel->SetBounds(620, 230 + i * 85, 170, 80);
            panel->SetBackGroundColor(i == 0 ? clYellow : WbTransparentColor);
        }
        for (int i = 0; i < 2; ++i) {
            auto* image = Add<TWbImage>(form, *page, count, 800, 230 + i * 120);
            auto* area = new TWbImageMap(&form);
            area->SetName("C" + std::to_string(++count));
            area->SetParent(image);
            area->SetBounds(10, 10, 50, 25);
        }
        for (int i = 0; i < 2; ++i) Add<TWbJavaApplet>(form, *page, count, 620 + i * 180, 570)->SetBounds(620 + i * 180, 570, 170, 150);
    }
};

void BM_PaintFormPreview(benchmark::State& state) {
    OrderForm order;
    TBitmap surface(order.form.Width(), order.form.Height());
    PaintDesignSurface(order.form, surface);  // loads the faces
    for (auto _ : state) {
        PaintDesignSurface(order.form, surface);
        benchmark::DoNotOptimize(surface.ScanLine(0));
    }
    state.counters["components"] = order.count;
}
BENCHMARK(BM_PaintFormPreview)->Unit(benchmark::kMillisecond);

// What the preview command adds: the picture as a PNG file in memory.
void BM_PaintAndEncodePreview(benchmark::State& state) {
    OrderForm order;
    PaintDesignSurface(order.form);
    for (auto _ : state) {
        TMemoryStream png;
        SavePngToStream(PaintDesignSurface(order.form), png);
        benchmark::DoNotOptimize(png.Memory());
    }
}
BENCHMARK(BM_PaintAndEncodePreview)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
