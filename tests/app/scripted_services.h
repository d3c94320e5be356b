// Scripted stand-ins for the platform services, and a main window built on
// them: tests play the user's choices and answers through these.
#pragma once

#include <functional>
#include <memory>

#include <QList>
#include <QString>
#include <QStringList>

#include "app/main_window.h"
#include "app/platform_services.h"
#include "support/memory_settings_store.h"

class QAction;
class QPushButton;

namespace ruvela {

// Each dialog takes the next scripted answer; the empty text is a cancel.
// A dialog without a scripted answer is counted and cancelled.
class ScriptedFileDialogs final : public FileDialogs {
 public:
  QStringList openAnswers;
  QStringList saveAnswers;
  QList<FileDialogRequest> openRequests;
  QList<FileDialogRequest> saveRequests;
  int unscripted = 0;
  // Run, one each, while the next save dialogs are open: what the user or
  // the system does meanwhile.
  QList<std::function<void()>> whileSaving;

  QString chooseFileToOpen(const FileDialogRequest& request, QWidget* parent) override;
  QString chooseFileToSave(const FileDialogRequest& request, QWidget* parent) override;
};

// Answers questions from its script: true is the first button. An
// unscripted question is counted and answered with the first button.
class ScriptedPrompt final : public Prompt {
 public:
  QList<bool> answers;
  QList<PromptTexts> questions;
  int unscripted = 0;

  bool ask(const PromptTexts& texts, QWidget* parent) override;
};

// A main window on scripted services, its temporary file in
// `programDirectory`.
class ScriptedWindow {
 public:
  explicit ScriptedWindow(const QString& programDirectory);

  MainWindow& window() { return *window_; }
  QString Text(const char* labelName) const;
  QString Status() const { return Text("lblSTAT"); }
  QPushButton* Button(const char* name) const;
  QAction* Action(const char* name) const;
  // The enabled state of Open, Save, Reprocess and Abort, as "OSRA" with a
  // "-" for each disabled one: "O---" is idle. A "!" marks a menu item that
  // disagrees with its button.
  QString EnabledCommands() const;

  ScriptedFileDialogs* dialogs = nullptr;
  ScriptedPrompt* prompt = nullptr;
  MemorySettingsStore* settings = nullptr;
  int beeps = 0;
  // Run, one each, whenever the window looks at its events during a
  // conversion: the moment a user's click or drop would arrive.
  QList<std::function<void()>> whileConverting;

 private:
  std::unique_ptr<MainWindow> window_;
};

}  // namespace ruvela
