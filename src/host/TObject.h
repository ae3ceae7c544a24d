#pragma once

#include <functional>
#include <string>
#include <typeinfo>

namespace wb {

class TObject;

// A handler of a notification: it gets the object that fired it.
using TNotifyEvent = std::function<void(TObject* Sender)>;

// The name of a class as declared ("TWbPage"), without its namespace.
std::string ClassNameOf(const std::type_info& Type);

// The root of every class of the host model: objects are destroyed through a pointer to their
// base, and every object can tell the name of its class (as the form-file writer and messages
// need it).
class TObject {
public:
    virtual ~TObject() = default;

    // The class name as declared ("TWbPage"), without the namespace.
    std::string ClassName() const;

protected:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
};

// Objects that carry published properties and can take over another object's contents.
class TPersistent : public TObject {
public:
    // Copies Source into this object; the host raises "Cannot assign a X to a Y" where a class
    // does not know how.
    virtual void Assign(const TPersistent& Source);

    // Registers the class for form files (it publishes nothing).
    static void Publish();
};

}  // namespace wb
