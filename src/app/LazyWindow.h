#pragma once

#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

// A secondary window made from its design the first time anything asks for
// it, so that windows a session may never open cost nothing at start-up.
// The window belongs to its owner, like one loaded at once.
template <typename Design, typename Window> class LazyWindow {
public:
    LazyWindow(QWidget& owner, Qt::WindowFlags flags) : owner(owner), flags(flags) {}
    LazyWindow(const LazyWindow&) = delete;
    LazyWindow& operator=(const LazyWindow&) = delete;

    Window* window() {
        build();
        return made;
    }
    Design& ui() {
        build();
        return design;
    }
    bool isBuilt() const { return made != nullptr; }

    // What must hold as soon as the window exists: its connections, names
    // and modality. Done at once when it already exists.
    void whenBuilt(std::function<void(Window&, Design&)> prepare) {
        if (made)
            prepare(*made, design);
        else
            preparations.push_back(std::move(prepare));
    }

private:
    void build() {
        if (made)
            return;
        made = new Window(&owner, flags); // owned by `owner`
        design.setupUi(made);
        for (const auto& prepare : std::exchange(preparations, {}))
            prepare(*made, design);
    }

    QWidget& owner;
    Qt::WindowFlags flags;
    Design design;
    Window* made = nullptr;
    std::vector<std::function<void(Window&, Design&)>> preparations;
};
