#pragma once
// Components: objects with an owner that frees them, a name, a tag and the owned components in creation order.
//
// Notifications: inserting a component into an owner and removing it call the owner's Notification, which by
// default passes the call on to every component the owner owns (the inserted or removed one included). A
// component that holds a reference to a component it does not own registers with FreeNotification and hears
// opRemove when that component goes, before the reference dangles.
//
// C++ builds a derived object after its bases and destroys it before them: the insert notification sent from
// the constructor and the remove notifications sent from the destructor see the component as a plain
// TComponent. Receivers compare pointers; they do not look at the component's kind.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/framework/TPersistent.h"

namespace framework {

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,     // between BeginLoading and Loaded while a layout is being built
    csDesigning = 1u << 1,   // in a form designer; never set at run time
    csDestroying = 1u << 2,  // the component or its owner is being destroyed
};

class TComponent : public TPersistent {
  public:
    explicit TComponent(TComponent* owner);
    // Destroys the owned components, last created first, after telling the free-notification clients.
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    std::intptr_t Tag() const { return tag_; }
    void SetTag(std::intptr_t tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    // Raises Exception for an index outside 0..ComponentCount()-1.
    TComponent* Components(int index) const;

    unsigned ComponentState() const { return state_; }

    // Takes component from its current owner, if any.
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    // Both sides hear opRemove when the other is destroyed first.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Building a layout: BeginLoading marks the owner as loading, and the components created while it is loading
    // are loading too; the builder sets their properties in stored order, then EndLoading runs Loaded on every
    // component still loading, owned ones before their owner and in creation order, the owner last. Code that
    // depends on the order of stored properties runs in Loaded, once all of them are set.
    void BeginLoading() { state_ |= csLoading; }
    void EndLoading();
    virtual void Loaded();

    virtual void Notification(TComponent* component, TOperation operation);

    void DestroyComponents();
    // Marks this component and everything it owns as being destroyed.
    void Destroying();

  protected:
    void SetDesigning(bool designing);

  private:
    void ForgetFreeNotification(TComponent* component);

    TComponent* owner_ = nullptr;
    std::string name_;
    std::intptr_t tag_ = 0;
    unsigned state_ = 0;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
};

}  // namespace framework
