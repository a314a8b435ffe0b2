// One instance per form: created from its design on first use, shared by all code that
// names it, and started again from its design after it has been unloaded. An unloaded form
// whose own handler is still running is kept until that handler has returned.
#pragma once

#include <functional>
#include <memory>
#include <vector>

template <class FormType>
class FormSlot {
 public:
  explicit FormSlot(std::function<std::unique_ptr<FormType>()> create) : create_(std::move(create)) {}

  FormType& Get() {
    std::erase_if(unloaded_, [](const std::unique_ptr<FormType>& form) { return !form->handling_event(); });
    if (!form_) {
      form_ = create_();
      form_->SetUnloadListener([this] { unloaded_.push_back(std::move(form_)); });
    }
    return *form_;
  }

 private:
  std::function<std::unique_ptr<FormType>()> create_;
  std::unique_ptr<FormType> form_;
  std::vector<std::unique_ptr<FormType>> unloaded_;  // gone from the screen, not yet freed
};
