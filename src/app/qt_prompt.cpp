#include "app/qt_prompt.h"

#include "windows/msg_box.h"

namespace ruvela {

bool QtPrompt::Ask(const PromptTexts& texts, QWidget* parent) {
  // A fresh window for every question, so it never shows an earlier text.
  frmMsgBox box(texts, parent);
  box.exec();
  return box.gpb_MsgBxOK();
}

}  // namespace ruvela
