#pragma once

#include <cstdint>
#include <string>

// Base record of every collection: an identifier and a visibility flag.
// No virtual functions: a route holds many thousands of points, and a table
// pointer would double a point's size. Records are owned by their concrete
// type, never destroyed through this base, hence the protected destructor.
class dataObject {
public:
    dataObject() = default;
    dataObject(const dataObject&) = default;
    dataObject& operator=(const dataObject&) = default;

    int32_t getId() const { return Id; }
    void setId(int32_t id) { Id = id; }
    bool getVisible() const { return visible; }
    void setVisible(bool v) { visible = v; }

    // Every record matches any filter.
    bool contains(const void* /*anything*/) const { return true; }
    // The sort key; records carry no named fields, so every key is empty.
    std::string getFieldByName(const std::string& /*name*/) const { return {}; }

protected:
    ~dataObject() = default;

private:
    // Id first: a derived record may use the padding after the flag.
    int32_t Id = 0;
    bool visible = true;
};
