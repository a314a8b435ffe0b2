// One instance per form: created from its design on first use, shared by all code that
// names it, and started again from its design after it has been unloaded. An unloaded form
// is kept until the next use, since it may be unloading itself from one of its handlers.
#pragma once

#include <functional>
#include <memory>

template <class FormType>
class FormSlot {
 public:
  explicit FormSlot(std::function<std::unique_ptr<FormType>()> create) : create_(std::move(create)) {}

  FormType& Get() {
    unloaded_.reset();
    if (!form_) {
      form_ = create_();
      form_->SetUnloadListener([this] { unloaded_ = std::move(form_); });
    }
    return *form_;
  }
  bool exists() const { return form_ != nullptr; }
  void Destroy() {
    if (form_) form_->Unload();
  }

 private:
  std::function<std::unique_ptr<FormType>()> create_;
  std::unique_ptr<FormType> form_;
  std::unique_ptr<FormType> unloaded_;
};
