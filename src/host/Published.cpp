#include "host/Published.h"

#include <algorithm>
#include <stdexcept>
#include <typeindex>
#include <unordered_map>

#include "host/SysUtils.h"

namespace wb {

namespace {

struct TRegistry {
    std::vector<std::unique_ptr<TPublishedClass>> Classes;
    std::unordered_map<std::string, TPublishedClass*> ByName;  // lower-case name
    std::unordered_map<std::type_index, TPublishedClass*> ByType;
    enum { Empty, Publishing, Complete } State = Empty;
};

// The registry with every class of the package in it. The package's classes are published on
// the first use, a lookup or a program's own registration, whichever comes first; while they
// are being published, their registrations reach the registry as it is.
TRegistry& Registry() {
    static TRegistry registry;
    if (registry.State == TRegistry::Empty) {
        registry.State = TRegistry::Publishing;
        WbPublishClasses();
        registry.State = TRegistry::Complete;
    }
    return registry;
}

}  // namespace

TPublishedClass::TPublishedClass(std::string Name, std::string BaseName, TComponentFactory Factory,
                                 bool (*IsInstance)(const TPersistent*))
    : FName(std::move(Name)),
      FBaseName(std::move(BaseName)),
      FFactory(Factory),
      FIsInstance(IsInstance) {}

const TPublishedClass* TPublishedClass::Base() const {
    if (FBaseName.empty()) return nullptr;
    const TPublishedClass* base = FindPublishedClass(FBaseName);
    if (base == nullptr)
        throw std::logic_error("class " + FName + ": base class " + FBaseName +
                               " is not registered");
    return base;
}

const std::vector<const TPropertyInfo*>& TPublishedClass::Properties() const {
    if (FResolved) return FProperties;
    std::vector<const TPropertyInfo*> properties;
    if (const TPublishedClass* base = Base()) properties = base->Properties();
    for (const auto& own : FOwnProperties) {
        auto redeclared =
            std::find_if(properties.begin(), properties.end(),
                         [&](const TPropertyInfo* p) { return SameText(p->Name, own->Name); });
        if (redeclared != properties.end())
            *redeclared = own.get();
        else
            properties.push_back(own.get());
    }
    FProperties = std::move(properties);
    FResolved = true;
    return FProperties;
}

const TPropertyInfo* TPublishedClass::FindProperty(std::string_view PropertyName) const {
    for (const TPropertyInfo* property : Properties())
        if (SameText(property->Name, PropertyName)) return property;
    return nullptr;
}

void TPublishedClass::AddProperty(TPropertyInfo Property) {
    if (FResolved)
        throw std::logic_error("class " + FName + ": property " + Property.Name +
                               " registered after the class was first used");
    for (const auto& own : FOwnProperties)
        if (SameText(own->Name, Property.Name))
            throw std::logic_error("class " + FName + ": property " + Property.Name +
                                   " registered twice");
    FOwnProperties.push_back(std::make_unique<TPropertyInfo>(std::move(Property)));
}

const TPublishedClass* FindPublishedClass(std::string_view Name) {
    const auto& byName = Registry().ByName;
    const auto found = byName.find(LowerCase(Name));
    return found == byName.end() ? nullptr : found->second;
}

const TPublishedClass* PublishedClassOf(const TPersistent& Object) {
    const auto& byType = Registry().ByType;
    const auto found = byType.find(std::type_index(typeid(Object)));
    return found == byType.end() ? nullptr : found->second;
}

const TPublishedClass& PublishedClassOfType(const std::type_info& Type) {
    const auto& byType = Registry().ByType;
    const auto found = byType.find(std::type_index(Type));
    if (found == byType.end())
        throw std::logic_error(std::string("class ") + Type.name() + " is not registered");
    return *found->second;
}

std::vector<const TPublishedClass*> PublishedClasses() {
    std::vector<const TPublishedClass*> classes;
    for (const auto& c : Registry().Classes) classes.push_back(c.get());
    return classes;
}

TPublishedClass& RegisterPublishedClass(std::string Name, std::string BaseName,
                                        TComponentFactory Factory,
                                        bool (*IsInstance)(const TPersistent*),
                                        const std::type_info& Type) {
    TRegistry& registry = Registry();
    const std::string key = LowerCase(Name);
    if (registry.ByName.count(key) != 0 || registry.ByType.count(std::type_index(Type)) != 0)
        throw std::logic_error("class " + Name + " registered twice");
    auto entry = std::make_unique<TPublishedClass>(std::move(Name), std::move(BaseName), Factory,
                                                   IsInstance);
    TPublishedClass& added = *entry;
    registry.ByName.emplace(key, &added);
    registry.ByType.emplace(std::type_index(Type), &added);
    registry.Classes.push_back(std::move(entry));
    return added;
}

}  // namespace wb
