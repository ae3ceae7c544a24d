#pragma once

#include <string>
#include <vector>

#include "core/WbPage.h"
#include "core/WbPanel.h"
#include "host/Forms.h"

namespace wb::test {

// A leaf web component whose markup is its own name: a table's cells show which child went
// where.
class TProbe : public TWbVisibleComponent {
public:
    using TWbVisibleComponent::TWbVisibleComponent;

    std::string put() override {
        ActivateBeforePutEvent();
        std::string html = Name();
        ActivateAfterPutEvent();
        return html;
    }
};

// Creates a component owned by the form, named and placed in Parent.
template <class T>
T* Place(TForm& form, TWinControl& parent, const std::string& name, int32_t left, int32_t top,
         int32_t width, int32_t height) {
    auto* component = new T(&form);
    component->SetName(name);
    component->SetParent(&parent);
    component->SetBounds(left, top, width, height);
    return component;
}

// Records "Name before" and "Name after" for every put of the component.
inline void LogEvents(TWbComponent& component, std::vector<std::string>& log) {
    component.SetOnBeforePut([&log](TObject* sender) {
        log.push_back(static_cast<TComponent*>(sender)->Name() + " before");
    });
    component.SetOnAfterPut([&log](TObject* sender) {
        log.push_back(static_cast<TComponent*>(sender)->Name() + " after");
    });
}

}  // namespace wb::test
