// Asks with the program's question window.
#pragma once

#include "gui/prompt.h"

namespace ruvela {

class QtPrompt final : public Prompt {
 public:
  bool Ask(const PromptTexts& texts, QWidget* parent) override;
};

}  // namespace ruvela
