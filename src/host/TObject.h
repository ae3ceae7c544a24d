#pragma once

#include <string>

namespace wb {

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
};

}  // namespace wb
