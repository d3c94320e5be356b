// The shape of an option table: for every option of one direction its field,
// its settings key or keys, the form in which it is stored, and its
// command-line flags with their help. The defaults are the option record's
// initial values. The settings store, the option dialogs and ruvela-convert
// all read the tables; nothing else lists the options.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "option_values/check_state.h"
#include "option_values/track_elevation_mode.h"
#include "settings/stored_values.h"

namespace ruvela {

enum class StoredForm {
  OptionButtons,  // one key per choice, "-1" when selected and "0" when not
  CheckBox,       // "0", "1" or "2"
  Percent,        // a whole number, read back as its shortest decimal text
  Elevation,      // a whole number, read back exactly as stored
  FreeText,       // without leading and trailing blanks
};

struct CommandLineFlag {
  std::string_view name;      // long name without "--"; empty when there is none
  std::string_view argument;  // the value's name in --help; empty for a switch
  std::string_view help;
  CheckState sets = CheckState::Checked;  // what a switch makes of its check box
};

template <class Options>
struct OptionRow {
  StoredForm form;
  // One key; the option buttons have one per choice, in the order of
  // TrackElevationMode.
  std::array<const char*, 3> keys{};
  // The field, through the member of its type (the form says which).
  TrackElevationMode Options::*choice = nullptr;
  CheckState Options::*check = nullptr;
  std::string Options::*text = nullptr;
  std::array<CommandLineFlag, 2> flags{};
};

template <class Options>
struct OptionTable {
  const char* section;
  std::span<const char* const> keyOrder;     // the order in which the section is read and written
  std::span<const OptionRow<Options>> rows;  // in the order --help lists them
};

// Where a settings key is kept: its row and its place among the row's keys.
template <class Options>
struct StoredKey {
  const OptionRow<Options>* row = nullptr;
  std::size_t index = 0;
};

template <class Options>
StoredKey<Options> FindStoredKey(const OptionTable<Options>& table, std::string_view key) {
  for (const OptionRow<Options>& row : table.rows) {
    for (std::size_t i = 0; i < row.keys.size(); ++i) {
      if (row.keys[i] != nullptr && row.keys[i] == key) return {&row, i};
    }
  }
  return {};
}

// The text one key stores for `options`.
template <class Options>
std::string StoredText(const StoredKey<Options>& key, const Options& options) {
  const OptionRow<Options>& row = *key.row;
  switch (row.form) {
    case StoredForm::OptionButtons:
      return OptionStateText(options.*row.choice == static_cast<TrackElevationMode>(key.index));
    case StoredForm::CheckBox:
      return CheckStateText(options.*row.check);
    case StoredForm::Percent:
    case StoredForm::Elevation:
      return StoredIntegerText(options.*row.text);
    case StoredForm::FreeText:
      return TrimmedText(options.*row.text);
  }
  return {};
}

// Puts the text read for one key into `options`. The keys of option buttons
// are read in turn, like clicks in a group: a selecting key chooses its
// mode, a clearing key leaves no choice when its mode was chosen; so the
// last selecting key wins. Values the program never writes fall back to
// the default.
template <class Options>
void ApplyStoredText(const StoredKey<Options>& key, std::string_view stored, Options& options) {
  const OptionRow<Options>& row = *key.row;
  const Options defaults;
  switch (row.form) {
    case StoredForm::OptionButtons:
      options.*row.choice = ModeAfterOptionButton(options.*row.choice, static_cast<TrackElevationMode>(key.index),
                                                  OptionSelectedFromText(stored));
      return;
    case StoredForm::CheckBox:
      options.*row.check = CheckStateFromText(stored, defaults.*row.check);
      return;
    case StoredForm::Percent:
      options.*row.text = PercentTextFromStore(stored, defaults.*row.text);
      return;
    case StoredForm::Elevation:
      options.*row.text = ElevationTextFromStore(stored, defaults.*row.text);
      return;
    case StoredForm::FreeText:
      options.*row.text = TrimmedText(stored);
      return;
  }
}

}  // namespace ruvela
