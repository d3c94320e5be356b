#include "scripted_services.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace ruvela {

namespace {

QString NextAnswer(QStringList& answers, int& unscripted) {
  if (answers.isEmpty()) ++unscripted;
  return answers.isEmpty() ? QString() : answers.takeFirst();
}

// The letter when enabled, "-" when disabled, "!" when the menu item and
// its button disagree.
QChar CommandState(bool enabled, char letter, bool menuEnabled) {
  if (enabled != menuEnabled) return u'!';
  return enabled ? QChar::fromLatin1(letter) : u'-';
}

}  // namespace

QString ScriptedFileDialogs::chooseFileToOpen(const FileDialogRequest& request, QWidget*) {
  openRequests << request;
  return NextAnswer(openAnswers, unscripted);
}

QString ScriptedFileDialogs::chooseFileToSave(const FileDialogRequest& request, QWidget*) {
  saveRequests << request;
  if (!whileSaving.isEmpty()) whileSaving.takeFirst()();
  return NextAnswer(saveAnswers, unscripted);
}

bool ScriptedPrompt::ask(const PromptTexts& texts, QWidget*) {
  questions << texts;
  if (answers.isEmpty()) ++unscripted;
  return answers.isEmpty() || answers.takeFirst();
}

ScriptedWindow::ScriptedWindow(const QString& programDirectory) {
  PlatformServices services;
  auto dialogsOwned = std::make_unique<ScriptedFileDialogs>();
  auto promptOwned = std::make_unique<ScriptedPrompt>();
  auto settingsOwned = std::make_unique<MemorySettingsStore>();
  dialogs = dialogsOwned.get();
  prompt = promptOwned.get();
  settings = settingsOwned.get();
  services.fileDialogs = std::move(dialogsOwned);
  services.prompt = std::move(promptOwned);
  services.beep = [this] { ++beeps; };
  services.processPendingEvents = [this] {
    if (!whileConverting.isEmpty()) whileConverting.takeFirst()();
  };
  services.settings = std::move(settingsOwned);
  services.facts.programDirectory = programDirectory.endsWith(u'/') ? programDirectory : programDirectory + u'/';
  services.facts.dataDirectory = services.facts.programDirectory + QStringLiteral("data/");
  window_ = std::make_unique<MainWindow>(std::move(services));
}

QString ScriptedWindow::Text(const char* labelName) const {
  return window_->findChild<QLabel*>(QLatin1String(labelName))->text();
}

QPushButton* ScriptedWindow::Button(const char* name) const {
  return window_->findChild<QPushButton*>(QLatin1String(name));
}

QAction* ScriptedWindow::Action(const char* name) const { return window_->findChild<QAction*>(QLatin1String(name)); }

QString ScriptedWindow::EnabledCommands() const {
  QString state;
  state += CommandState(Button("cmdOpen")->isEnabled(), 'O', Action("menu_open")->isEnabled());
  state += CommandState(Button("cmdSave")->isEnabled(), 'S', Action("mnuSave")->isEnabled());
  state += CommandState(Button("cmdReprocess")->isEnabled(), 'R', Button("cmdReprocess")->isEnabled());
  state += CommandState(Button("cmdAbort")->isEnabled(), 'A', Button("cmdAbort")->isEnabled());
  return state;
}

}  // namespace ruvela
