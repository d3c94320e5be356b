// Asks with the program's question window.
#pragma once

#include "gui/prompt.h"

namespace ruvela {

class QtPrompt final : public Prompt {
 public:
  bool ask(const PromptTexts& texts, QWidget* parent) override;
};

}  // namespace ruvela
