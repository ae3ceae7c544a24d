#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/WbVisibleComponent.h"
#include "host/Forms.h"

namespace wb::test {

// What one property write does besides storing: how many repaints it asks of the design
// surface, and how often it fires the change callback (HasChanged).
template <class T>
struct SetterEffect {
    const char* property;
    std::function<void(T&)> set;
    int repaints;
    int changes;
};

// Runs every write on a fresh component, once at run time and once while the form is designed:
// repaints reach the surface only at design time, the change callback fires in both.
template <class T>
void ExpectSetterEffects(const std::vector<SetterEffect<T>>& cases) {
    for (const bool designing : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.property) + (designing ? " (designing)" : " (running)"));
            TForm form;
            auto* component = new T(&form);
            int changes = 0;
            component->SetOnChange([&](TObject* sender) {
                EXPECT_EQ(sender, component);
                ++changes;
            });
            form.SetDesigning(designing);
            const int before = component->RepaintRequests();
            c.set(*component);
            EXPECT_EQ(component->RepaintRequests() - before, designing ? c.repaints : 0);
            EXPECT_EQ(changes, c.changes);
        }
    }
}

}  // namespace wb::test
