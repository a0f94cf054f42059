#pragma once

#include <cstdint>
#include <string>

// Base record of every collection: an identifier and a visibility flag.
class dataObject {
public:
    dataObject() = default;
    virtual ~dataObject() = default;
    dataObject(const dataObject&) = default;
    dataObject& operator=(const dataObject&) = default;

    int32_t getId() const { return Id; }
    void setId(int32_t id) { Id = id; }
    bool getVisible() const { return visible; }
    void setVisible(bool v) { visible = v; }

    // Every record matches any filter.
    bool contains(const void* /*anything*/) const { return true; }
    // The sort key; records carry no named fields, so every key is empty.
    virtual std::string getFieldByName(const std::string& /*name*/) const { return {}; }

private:
    bool visible = true;
    int32_t Id = 0;
};
