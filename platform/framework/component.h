#pragma once
// The root of the component model: TObject, TPersistent (copying one object's
// values to another of the same class) and TComponent (ownership, names, the
// loading state with its after-load step, and notifications when a
// referenced component goes away).

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dsp {

class TObject {
  public:
    virtual ~TObject() = default;
    // The class name for messages, e.g. "TComPort".
    std::string ClassName() const;
};

// Sender-only event, the most common kind.
using TNotifyEvent = std::function<void(TObject* sender)>;

// Raised when values of one class are assigned to an object of another.
class EConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Raised on misuse of components (duplicate names and the like).
class EComponentError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TPersistent : public TObject {
  public:
    // Copies source's values into this object. The base asks the source to
    // assign itself (AssignTo) and fails with EConvertError when it cannot.
    virtual void Assign(const TPersistent& source);

  protected:
    virtual void AssignTo(TPersistent& dest) const;
};

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
  public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    // Names are unique among the components of one owner (letter case
    // ignored); an empty name is always allowed.
    virtual void SetName(std::string name);

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
    TComponent* FindComponent(std::string_view name) const;

    // The loading state: set while the owner's stored layout is being read.
    // BeginLoading marks this component and everything it owns (and whatever
    // is created under it until EndLoading). EndLoading clears the marks and
    // runs the after-load step, Loaded, of each owned component in creation
    // order and then of this one.
    bool Loading() const { return loading_; }
    void BeginLoading();
    void EndLoading();
    bool Destroying() const { return destroying_; }

    // Asks to be told (Notification opRemove) when `component` is destroyed.
    // Works both ways: the other side hears of our destruction too.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Frees every owned component, newest first. A window class calls this
    // first thing in its destructor so that its components go while its own
    // handlers still exist.
    void DestroyComponents();

  protected:
    // The after-load step. The base clears the loading state.
    virtual void Loaded();
    // A component was added to (opInsert) or is leaving (opRemove) this one's
    // list, or a free-notification partner is being destroyed. The base
    // passes opRemove on to every owned component, so siblings that hold
    // references to each other can clear them.
    virtual void Notification(TComponent* component, TOperation operation);

  private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponent* owner_;
    std::string name_;
    std::vector<TComponent*> components_;
    // Counts changes to components_, so a walk over a copy knows whether the
    // list still holds what it copied.
    unsigned listVersion_ = 0;
    std::vector<TComponent*> freeNotifies_;
    bool loading_ = false;
    bool destroying_ = false;
};

}  // namespace dsp
