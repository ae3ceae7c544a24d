#include "host/TObject.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "host/Exception.h"
#include "host/Published.h"

namespace wb {

std::string ClassNameOf(const std::type_info& Type) {
    const char* mangled = Type.name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    std::string name = status == 0 && demangled ? demangled.get() : mangled;
    const auto scope = name.rfind("::");
    return scope == std::string::npos ? name : name.substr(scope + 2);
}

std::string TObject::ClassName() const { return ClassNameOf(typeid(*this)); }

void TPersistent::Publish() { Published<TPersistent>("TPersistent", "", kAbstractClass); }

void TPersistent::Assign(const TPersistent& Source) {
    throw EConvertError("Cannot assign a " + Source.ClassName() + " to a " + ClassName());
}

}  // namespace wb
