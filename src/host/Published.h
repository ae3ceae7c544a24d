#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "host/Graphics.h"
#include "host/TComponent.h"
#include "host/TObject.h"
#include "host/TStrings.h"

namespace wb {

// The published properties of the classes and the classes a form file can create by name.
//
// Each class registers itself once, in a static member Publish() defined right after its
// constructor, listing its published properties in their declared order:
//
//     void TWbPage::Publish() {
//         Published<TWbPage>("TWbPage", "TWbCustomContainer")
//             .Str("PageTitle", &TWbPage::PageTitle, &TWbPage::SetPageTitle)
//             ...;
//     }
//
// and one line in WbPublishClasses() (package/WbClasses.cpp) calls it. The registry is built on
// its first use by calling WbPublishClasses(), not by static constructors: the order of static
// initialisation across units is unspecified, and a static library leaves out every object file
// that nothing refers to, so a component that registered itself from a static constructor would
// be missing from a program that only ever names it in a form file. The explicit call chain
// (registry -> WbPublishClasses -> each Publish) makes the linker keep every registered unit.

enum class TPropertyKind : uint8_t {
    Integer,      // a signed or unsigned integer of at most 32 bits, range-checked
    String,       // 8-bit text
    Boolean,      // True or False
    Enumeration,  // stored by the value's name (taCenter)
    Color,        // a TColor, stored by its name where it has one
    Strings,      // a string list, written NAME.Strings = ( ... )
    Object,       // an owned persistent object, its properties reached as NAME.PROPERTY
    Event,        // a TNotifyEvent, stored by the name of its handler
};

// One published property: its name and type-erased accessors for its kind.
struct TPropertyInfo {
    std::string Name;
    TPropertyKind Kind = TPropertyKind::Integer;

    // Integer, Boolean, Enumeration, Color: the value as a number. Stored is what a form file
    // keeps; it differs from Get where the read accessor computes a value (the effective colour).
    std::function<int64_t(const TPersistent&)> GetOrdinal;
    std::function<int64_t(const TPersistent&)> StoredOrdinal;
    std::function<void(TPersistent&, int64_t)> SetOrdinal;
    int64_t Min = 0;  // Integer: the range of the property's type
    int64_t Max = 0;
    std::span<const char* const> ValueNames;  // Enumeration: the name of each value, in order

    std::function<std::string(const TPersistent&)> GetString;
    std::function<void(TPersistent&, std::string)> SetString;

    std::function<const TStrings&(const TPersistent&)> GetStrings;
    std::function<void(TPersistent&, const TStrings&)> SetStrings;

    // The owned object itself; the reader sets its properties, never replaces it.
    std::function<TPersistent&(const TPersistent&)> GetObject;

    std::function<const TNotifyEvent&(const TPersistent&)> GetEvent;
    std::function<void(TPersistent&, TNotifyEvent)> SetEvent;
};

// Creates a component of a registered class, owned by Owner (which may be nullptr).
using TComponentFactory = TComponent* (*)(TComponent* Owner);

// A registered class: its name, its base class, its factory (none for abstract classes and for
// persistent objects that only live inside a component) and its properties.
class TPublishedClass {
public:
    TPublishedClass(std::string Name, std::string BaseName, TComponentFactory Factory,
                    bool (*IsInstance)(const TPersistent*));

    const std::string& Name() const { return FName; }
    const std::string& BaseName() const { return FBaseName; }
    TComponentFactory Factory() const { return FFactory; }
    bool IsInstance(const TPersistent& Object) const { return FIsInstance(&Object); }

    // Every published property in form-file order: the base class's first (a property that the
    // class declares again keeps its place), then the class's own.
    const std::vector<const TPropertyInfo*>& Properties() const;
    // The property of that name, compared without regard to case, or nullptr.
    const TPropertyInfo* FindProperty(std::string_view PropertyName) const;
    // The base class, or nullptr for a root class.
    const TPublishedClass* Base() const;

    void AddProperty(TPropertyInfo Property);

private:
    std::string FName;
    std::string FBaseName;
    TComponentFactory FFactory;
    bool (*FIsInstance)(const TPersistent*);
    std::vector<std::unique_ptr<TPropertyInfo>> FOwnProperties;
    // Filled on first use, when every base class has registered.
    mutable std::vector<const TPropertyInfo*> FProperties;
    mutable bool FResolved = false;
};

// The registered class of that name (compared without regard to case), or nullptr.
const TPublishedClass* FindPublishedClass(std::string_view Name);
// The registered class of Object's own class, or nullptr when that class is not registered.
const TPublishedClass* PublishedClassOf(const TPersistent& Object);
// Every registered class, in the order of registration.
std::vector<const TPublishedClass*> PublishedClasses();
// The registered class of the C++ class Type; raises std::logic_error when it is not registered.
const TPublishedClass& PublishedClassOfType(const std::type_info& Type);
template <class T>
const TPublishedClass& PublishedClass() {
    return PublishedClassOfType(typeid(T));
}

// Defined by the package (package/WbClasses.cpp): calls Publish() of every class it publishes.
void WbPublishClasses();

// Registers a class; raises std::logic_error when a class of that name is registered already.
TPublishedClass& RegisterPublishedClass(std::string Name, std::string BaseName,
                                        TComponentFactory Factory,
                                        bool (*IsInstance)(const TPersistent*),
                                        const std::type_info& Type);

// A handler bound by name, as a form file names it; the writer writes the name back. Calling it
// calls the handler, when there is one (a form loaded with its events ignored binds none).
struct TNamedHandler {
    std::string Name;
    TNotifyEvent Handler;

    void operator()(TObject* Sender) const {
        if (Handler) Handler(Sender);
    }
};

// Marks a class that a form file may not create: an abstract base whose properties the classes
// derived from it inherit.
struct TAbstractClass {};
inline constexpr TAbstractClass kAbstractClass{};

// The fluent registration of class T: one call per published property, in declared order.
template <class T>
class Published {
public:
    Published(const char* Name, const char* BaseName)
        : FClass(RegisterPublishedClass(Name, BaseName, MakeFactory(), &IsA, typeid(T))) {}
    Published(const char* Name, const char* BaseName, TAbstractClass)
        : FClass(RegisterPublishedClass(Name, BaseName, nullptr, &IsA, typeid(T))) {}

    // Integers of any width up to 32 bits; a value outside the type's range is refused.
    template <class C, class V, class A>
    Published& Int(const char* Name, V (C::*Get)() const, void (C::*Set)(A)) {
        static_assert(std::is_integral_v<V> && sizeof(V) <= 4 && !std::is_same_v<V, bool>);
        auto info = Ordinal(Name, TPropertyKind::Integer, Get, Set);
        info.Min = std::numeric_limits<V>::min();
        info.Max = std::numeric_limits<V>::max();
        return Add(std::move(info));
    }

    template <class C, class A>
    Published& Bool(const char* Name, bool (C::*Get)() const, void (C::*Set)(A)) {
        return Add(Ordinal(Name, TPropertyKind::Boolean, Get, Set));
    }

    // An enumeration stored by name: Names[i] is the name of the value i.
    template <class C, class E, class A>
    Published& Enum(const char* Name, E (C::*Get)() const, void (C::*Set)(A),
                    std::span<const char* const> Names) {
        static_assert(std::is_enum_v<E>);
        auto info = Ordinal(Name, TPropertyKind::Enumeration, Get, Set);
        info.ValueNames = Names;
        return Add(std::move(info));
    }

    // A colour. Stored, when given, reads what the form file keeps where Get computes a value.
    template <class C, class A>
    Published& Color(const char* Name, TColor (C::*Get)() const, void (C::*Set)(A),
                     TColor (C::*Stored)() const = nullptr) {
        auto info = Ordinal(Name, TPropertyKind::Color, Get, Set);
        if (Stored != nullptr)
            info.StoredOrdinal = [Stored](const TPersistent& object) -> int64_t {
                return (Self(object).*Stored)();
            };
        return Add(std::move(info));
    }

    template <class C, class R, class A>
    Published& Str(const char* Name, R (C::*Get)() const, void (C::*Set)(A)) {
        CheckBase<C>();
        TPropertyInfo info = Info(Name, TPropertyKind::String);
        info.GetString = [Get](const TPersistent& object) {
            return std::string((Self(object).*Get)());
        };
        info.SetString = [Set](TPersistent& object, std::string value) {
            (Self(object).*Set)(std::move(value));
        };
        return Add(std::move(info));
    }

    template <class C, class A>
    Published& Strings(const char* Name, const TStrings& (C::*Get)() const, void (C::*Set)(A)) {
        CheckBase<C>();
        TPropertyInfo info = Info(Name, TPropertyKind::Strings);
        info.GetStrings = [Get](const TPersistent& object) -> const TStrings& {
            return (Self(object).*Get)();
        };
        info.SetStrings = [Set](TPersistent& object, const TStrings& value) {
            (Self(object).*Set)(value);
        };
        return Add(std::move(info));
    }

    // An owned persistent object (a font): Get gives the object, as a reference or a pointer.
    template <class C, class R>
    Published& Object(const char* Name, R (C::*Get)() const) {
        CheckBase<C>();
        TPropertyInfo info = Info(Name, TPropertyKind::Object);
        info.GetObject = [Get](const TPersistent& object) -> TPersistent& {
            // The reader changes the nested object's properties through its owner's const
            // accessor; the owner itself is not changed.
            if constexpr (std::is_pointer_v<R>)
                return const_cast<TPersistent&>(
                    static_cast<const TPersistent&>(*(Self(object).*Get)()));
            else
                return const_cast<TPersistent&>(
                    static_cast<const TPersistent&>((Self(object).*Get)()));
        };
        return Add(std::move(info));
    }

    template <class C, class A>
    Published& Event(const char* Name, const TNotifyEvent& (C::*Get)() const, void (C::*Set)(A)) {
        CheckBase<C>();
        TPropertyInfo info = Info(Name, TPropertyKind::Event);
        info.GetEvent = [Get](const TPersistent& object) -> const TNotifyEvent& {
            return (Self(object).*Get)();
        };
        info.SetEvent = [Set](TPersistent& object, TNotifyEvent value) {
            (Self(object).*Set)(std::move(value));
        };
        return Add(std::move(info));
    }

private:
    // The registry hands a property only objects of the class that registered it or of a class
    // derived from it (the package's tests check every registered base name against the C++
    // class), so the cast is safe.
    static const T& Self(const TPersistent& object) { return static_cast<const T&>(object); }
    static T& Self(TPersistent& object) { return static_cast<T&>(object); }
    static bool IsA(const TPersistent* object) { return dynamic_cast<const T*>(object) != nullptr; }

    static TComponentFactory MakeFactory() {
        if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                      std::is_constructible_v<T, TComponent*>)
            return [](TComponent* owner) -> TComponent* { return new T(owner); };
        else
            return nullptr;
    }

    static TPropertyInfo Info(const char* Name, TPropertyKind Kind) {
        TPropertyInfo info;
        info.Name = Name;
        info.Kind = Kind;
        return info;
    }

    template <class C>
    static void CheckBase() {
        static_assert(std::is_base_of_v<C, T>, "the accessor belongs to another class");
    }

    template <class C, class V, class A>
    static TPropertyInfo Ordinal(const char* Name, TPropertyKind Kind, V (C::*Get)() const,
                                 void (C::*Set)(A)) {
        CheckBase<C>();
        TPropertyInfo info = Info(Name, Kind);
        info.GetOrdinal = [Get](const TPersistent& object) {
            return static_cast<int64_t>((Self(object).*Get)());
        };
        info.StoredOrdinal = info.GetOrdinal;
        info.SetOrdinal = [Set](TPersistent& object, int64_t value) {
            (Self(object).*Set)(static_cast<std::decay_t<A>>(value));
        };
        return info;
    }

    Published& Add(TPropertyInfo info) {
        FClass.AddProperty(std::move(info));
        return *this;
    }

    TPublishedClass& FClass;
};

}  // namespace wb
