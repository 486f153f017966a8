// Ownership of components: an owner destroys what it owns, newest first.
#include "forms/Component.h"

#include <algorithm>

namespace zuno::forms {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->InsertComponent(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_ && !owner_->destroying_) owner_->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    destroying_ = true;
    while (!components_.empty()) {
        TComponent* c = components_.back();
        components_.pop_back();
        c->owner_ = nullptr;
        delete c;
    }
}

void TComponent::RemoveComponent(TComponent* c) {
    components_.erase(std::remove(components_.begin(), components_.end(), c), components_.end());
}

TComponent* TComponent::FindComponent(std::wstring_view name) const {
    for (TComponent* c : components_) {
        if (_wcsicmp(c->Name.c_str(), std::wstring(name).c_str()) == 0) return c;
    }
    return nullptr;
}

}  // namespace zuno::forms
