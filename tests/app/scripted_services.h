// Scripted stand-ins for the platform services, and a main window built on
// them: tests play the user's choices and answers through these.
#pragma once

#include <functional>
#include <memory>

#include <QAction>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QStringList>

#include "app/main_window.h"
#include "app/platform_services.h"
#include "support/memory_settings_store.h"

namespace ruvela {

// Each dialog takes the next scripted answer; the empty text is a cancel, as
// is a dialog without a scripted answer (counted).
class ScriptedFileDialogs final : public FileDialogs {
 public:
  QStringList openAnswers, saveAnswers;
  QList<FileDialogRequest> openRequests, saveRequests;
  int unscripted = 0;
  // Run, one each, while the next save dialogs are open: what the user or
  // the system does meanwhile.
  QList<std::function<void()>> whileSaving;

  QString chooseFileToOpen(const FileDialogRequest& request, QWidget*) override {
    openRequests << request;
    return next(openAnswers);
  }
  QString chooseFileToSave(const FileDialogRequest& request, QWidget*) override {
    saveRequests << request;
    if (!whileSaving.isEmpty()) whileSaving.takeFirst()();
    return next(saveAnswers);
  }

 private:
  QString next(QStringList& answers) {
    unscripted += answers.isEmpty();
    return answers.isEmpty() ? QString() : answers.takeFirst();
  }
};

// Answers questions from its script: true is the first button. An
// unscripted question is counted and answered with the first button.
class ScriptedPrompt final : public Prompt {
 public:
  QList<bool> answers;
  QList<PromptTexts> questions;
  int unscripted = 0;

  bool ask(const PromptTexts& texts, QWidget*) override {
    questions << texts;
    unscripted += answers.isEmpty();
    return answers.isEmpty() || answers.takeFirst();
  }
};

// A main window on scripted services, its temporary file in
// `programDirectory`.
class ScriptedWindow {
 public:
  explicit ScriptedWindow(const QString& programDirectory) {
    PlatformServices services;
    services.fileDialogs.reset(dialogs = new ScriptedFileDialogs);
    services.prompt.reset(prompt = new ScriptedPrompt);
    services.settings.reset(settings = new MemorySettingsStore);
    services.beep = [this] { ++beeps; };
    services.processPendingEvents = [this] {
      if (!whileConverting.isEmpty()) whileConverting.takeFirst()();
    };
    services.facts.programDirectory = programDirectory.endsWith(u'/') ? programDirectory : programDirectory + u'/';
    services.facts.dataDirectory = services.facts.programDirectory + QStringLiteral("data/");
    window_ = std::make_unique<MainWindow>(std::move(services));
  }

  MainWindow& window() { return *window_; }
  QString Text(const char* label) const { return window_->findChild<QLabel*>(QLatin1String(label))->text(); }
  QString Status() const { return Text("lblSTAT"); }
  QPushButton* Button(const char* name) const { return window_->findChild<QPushButton*>(QLatin1String(name)); }
  QAction* Action(const char* name) const { return window_->findChild<QAction*>(QLatin1String(name)); }
  // The enabled state of Open, Save, Reprocess and Abort, as "OSRA" with a
  // "-" for each disabled one: "O---" is idle. A "!" marks a menu item that
  // disagrees with its button.
  QString EnabledCommands() const {
    const auto state = [](const QPushButton* button, char letter, const QAction* item) -> QChar {
      if (item != nullptr && item->isEnabled() != button->isEnabled()) return u'!';
      return button->isEnabled() ? QChar::fromLatin1(letter) : u'-';
    };
    return QString(state(Button("cmdOpen"), 'O', Action("menu_open"))) +
           state(Button("cmdSave"), 'S', Action("mnuSave")) + state(Button("cmdReprocess"), 'R', nullptr) +
           state(Button("cmdAbort"), 'A', nullptr);
  }

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
