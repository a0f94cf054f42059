#pragma once

#include <string>

// A unit of length, or of area given by the side of its square in metres.
class WandrelUnit {
public:
    WandrelUnit() = default;
    WandrelUnit(std::string name, std::string shortName, float factor, bool area)
        : name(std::move(name)), shortName(std::move(shortName)), area(area),
          conversionFactor(factor) {}

    const std::string& getName() const { return name; }
    const std::string& getShortName() const { return shortName; }
    // Absent text (nullptr) leaves the name unchanged.
    void setName(const char* text) {
        if (text)
            name = text;
    }
    void setShortName(const char* text) {
        if (text)
            shortName = text;
    }
    void setName(const std::string& text) { name = text; }
    void setShortName(const std::string& text) { shortName = text; }

    float getConversionFactor() const { return conversionFactor; }
    void setConversionFactor(float f) { conversionFactor = f; }
    bool isEditable() const { return editable; }
    void setEditable(bool e) { editable = e; }
    bool isArea() const { return area; }
    void setArea(bool a) { area = a; }

    float whatsThisInMeters(float x) const { return x * conversionFactor; }
    float whatsThisNumberOfMeters(float x) const { return x / conversionFactor; }
    float whatsThisInMetersSquared(float x) const { return x * squareFactor(); }
    float whatsThisNumberOfSquareMeters(float x) const { return x / squareFactor(); }

private:
    float squareFactor() const { return conversionFactor * conversionFactor; }

    std::string name;
    std::string shortName;
    bool editable = false;
    bool area = false;
    float conversionFactor = 1;
};
