// The root of the form layer's object model: a named component that owns the
// components created with it as owner, and can say which classes it belongs to.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zuno::forms {

// Declares a class's name and its place in the class chain, so that callers can ask
// "is it a TCustomCheckBox" the way the skin engine does.
#define ZUNO_COMPONENT_CLASS(Name, Base)                                        \
public:                                                                        \
    static constexpr std::string_view StaticClassName() { return #Name; }      \
    std::string_view ClassName() const override { return #Name; }              \
    bool InheritsFrom(std::string_view name) const override {                  \
        return name == #Name || Base::InheritsFrom(name);                      \
    }

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    virtual std::string_view ClassName() const { return "TComponent"; }
    virtual bool InheritsFrom(std::string_view name) const { return name == "TComponent"; }
    template <typename T>
    bool Is() const { return InheritsFrom(T::StaticClassName()); }

    std::wstring Name;
    int Tag = 0;

    TComponent* Owner() const { return owner_; }
    // Every component this one owns, in creation order.
    const std::vector<TComponent*>& Components() const { return components_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* FindComponent(std::wstring_view name) const;

    // Called once the component and everything it owns is fully built.
    virtual void Loaded() {}

    // True from the moment the component starts going away; notifications stop then.
    bool Destroying() const { return destroying_; }
    // Destroys every owned component, newest first. Derived destructors call it
    // while their own parts are still alive, since owned components may call back.
    void DestroyComponents();

    // Owner-side bookkeeping; a component removes itself when destroyed.
    void InsertComponent(TComponent* c) { components_.push_back(c); }
    void RemoveComponent(TComponent* c);

private:
    TComponent* owner_;
    std::vector<TComponent*> components_;  // owned: destroyed with this component
    bool destroying_ = false;
};

}  // namespace zuno::forms
