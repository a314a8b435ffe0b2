// One instance per form: created from its design on first use, shared by all code that
// names it, and started again from its design after it has been destroyed.
#pragma once

#include <functional>
#include <memory>

template <class FormType>
class FormSlot {
 public:
  explicit FormSlot(std::function<std::unique_ptr<FormType>()> create) : create_(std::move(create)) {}

  FormType& Get() {
    if (!form_) form_ = create_();
    return *form_;
  }
  bool exists() const { return form_ != nullptr; }
  void Destroy() { form_.reset(); }

 private:
  std::function<std::unique_ptr<FormType>()> create_;
  std::unique_ptr<FormType> form_;
};
