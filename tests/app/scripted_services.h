// Scripted stand-ins for the platform services, and a main window built on
// them: tests play the user's choices and answers through these.
#pragma once

#include <functional>
#include <memory>

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include "app/main_window.h"
#include "app/platform_services.h"
#include "support/memory_settings_store.h"

class QAction;
class QLabel;
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

// Answers questions from its script: true is the first button.
class ScriptedPrompt final : public Prompt {
 public:
  QList<bool> answers;
  QList<PromptTexts> questions;
  int unscripted = 0;

  bool ask(const PromptTexts& texts, QWidget* parent) override;
};

class CountingBeeper {
 public:
  int beeps = 0;
  void beep() { ++beeps; }
};

// Runs the next scripted action each time the window looks at its events
// during a conversion: the moment a user's click or drop would arrive.
class ScriptedEventPump {
 public:
  QList<std::function<void()>> actions;
  int pumps = 0;
  void processPendingEvents();
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
  CountingBeeper* beeper = &beeper_;
  ScriptedEventPump* events = &events_;
  MemorySettingsStore* settings = nullptr;

 private:
  CountingBeeper beeper_;
  ScriptedEventPump events_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace ruvela
