#include "cli/convert_file.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <new>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>

#include "cli/cli_texts.h"
#include "cli/pending_output.h"
#include "cli/progress_line.h"
#include "conversion/convert_input.h"
#include "values/path_parts.h"
#include "words/failure_words.h"

namespace ruvela::cli {
namespace {

namespace fs = std::filesystem;

// Where the document goes: a file, or standard output through a scratch file.
struct Target {
  bool standardOutput = false;
  fs::path path;          // absolute, through any links; empty for standard output
  std::string shown;      // as the user named it
  bool existed = false;   // a file was there when the conversion started
  bool wasEmpty = false;  // and it was empty, so it may be replaced without -f
};

// Follows `path` through symbolic links to the file they name, as editors
// write through them: a linked target is replaced where it lies and the link
// stays. The path itself when it is not a link.
fs::path ThroughLinks(fs::path path, std::error_code& error) {
  constexpr int kMostLinks = 40;  // as the system allows in one path
  for (int followed = 0; followed < kMostLinks; ++followed) {
    const fs::file_status status = fs::symlink_status(path, error);
    if (status.type() == fs::file_type::not_found) error.clear();
    if (error || status.type() != fs::file_type::symlink) return path;
    const fs::path named = fs::read_symlink(path, error);
    if (error) return path;
    path = named.is_absolute() ? named : path.parent_path() / named;
  }
  error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
  return path;
}

// An empty file that is still empty and a regular file may be replaced as
// if it were absent.
bool IsStillEmpty(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error) && fs::file_size(path, error) == 0 && !error;
}

std::string Reason(std::errc error) { return ReasonText(std::make_error_code(error)); }

// Why the input could not be loaded. The line names the input as the user
// gave it, so the failure does not name it a second time.
std::string InputFailureText(Failure failure) {
  failure.path.clear();
  return FailureText(failure);
}

// An exception that escaped the conversion: the system's reason when it
// carries one (a file system's refusal), never its English description.
std::string ExceptionText(const std::exception& exception) {
  if (const auto* system = dynamic_cast<const std::system_error*>(&exception)) return ReasonText(system->code());
  return std::string(kInternalFault);
}

// Each step either lets the conversion go on (no value) or ends it with an
// exit status, after saying why.
using StepResult = std::optional<ExitStatus>;

class FileConversion {
 public:
  FileConversion(const std::string& input, const CliRequest& request, std::ostream& out, std::ostream& err,
                 const CliEnvironment& env)
      : input_(input), shownInput_(ShownPath(input)), request_(request), out_(out), err_(err), env_(env) {}

  ExitStatus run() {
    if (StepResult stop = locateInput()) return *stop;
    if (StepResult stop = checkInput()) return *stop;
    if (StepResult stop = chooseTarget()) return *stop;
    try {
      return convert();
    } catch (const std::bad_alloc&) {
      return stop(ExitStatus::Failed, FailureText(FailureOf(FailureKind::OutOfMemory)));
    } catch (const std::exception& exception) {
      return stop(ExitStatus::Failed, ExceptionText(exception));
    }
  }

 private:
  // The input's parts are taken from its absolute path, so the directory
  // always ends with a separator and the document keeps the file's name.
  StepResult locateInput() {
    std::error_code error;
    inputPath_ = fs::absolute(PathFromUtf8(input_), error);
    if (error) return stop(ExitStatus::Failed, ReasonText(error));
    const std::u8string generic = inputPath_.generic_u8string();
    parts_ = SplitInputPath(std::string(generic.begin(), generic.end()), '/').value_or(InputParts{});
    direction_ = DirectionOf(parts_.extension);
    if (direction_ == Direction::Unknown) return stop(ExitStatus::NotConverted, kUnknownFormat);
    return {};
  }

  StepResult checkInput() {
    std::error_code error;
    const fs::file_status status = fs::status(inputPath_, error);
    if (status.type() == fs::file_type::not_found) {
      return stop(ExitStatus::Failed, Reason(std::errc::no_such_file_or_directory));
    }
    if (error) return stop(ExitStatus::Failed, ReasonText(error));
    // A pipe, a device or a folder would never give a document to read.
    if (!fs::is_regular_file(status)) {
      return stop(ExitStatus::Failed, FailureText(FailureOf(FailureKind::NotARegularFile)));
    }
    return {};
  }

  // An existing output is only replaced when it is empty or -f was given,
  // and never when it is not a plain file (a directory, a device).
  StepResult chooseTarget() {
    if (request_.output == "-") {
      target_ = Target{true, {}, std::string(kStandardOutput)};
      return {};
    }
    std::error_code error;
    const std::string newExtension = direction_ == Direction::GpxToKml ? ".kml" : ".gpx";
    if (request_.output) {
      target_.path = fs::absolute(PathFromUtf8(*request_.output), error);
      target_.shown = ShownPath(*request_.output);
      if (error) return stop(ExitStatus::Failed, CannotWrite(target_.shown, ReasonText(error)));
    } else {
      target_.path = PathFromUtf8(parts_.directory + parts_.baseName + newExtension);
      target_.shown = input_.ends_with(parts_.extension)
                          ? ShownPath(input_.substr(0, input_.size() - parts_.extension.size()) + newExtension)
                          : ShownPath(Utf8FromPath(target_.path));
    }
    target_.path = ThroughLinks(target_.path, error);
    if (error) return stop(ExitStatus::Failed, CannotWrite(target_.shown, ReasonText(error)));
    const fs::file_status status = fs::status(target_.path, error);
    if (status.type() == fs::file_type::not_found) return {};
    if (error) return stop(ExitStatus::Failed, CannotWrite(target_.shown, ReasonText(error)));
    if (fs::is_directory(status)) {
      return stop(ExitStatus::Failed, CannotWrite(target_.shown, Reason(std::errc::is_a_directory)));
    }
    if (!fs::is_regular_file(status)) {
      return stop(ExitStatus::Failed, CannotWrite(target_.shown, FailureText(FailureOf(FailureKind::NotARegularFile))));
    }
    // The same file under another name, or through a link: even -f must not
    // write the result over the document it is read from.
    if (fs::equivalent(inputPath_, target_.path, error)) return stop(ExitStatus::Failed, OutputIsInput(target_.shown));
    const std::uintmax_t size = fs::file_size(target_.path, error);
    if (error) return stop(ExitStatus::Failed, CannotWrite(target_.shown, ReasonText(error)));
    if (size > 0 && !request_.force) return stop(ExitStatus::Failed, AlreadyExists(target_.shown));
    target_.existed = true;
    target_.wasEmpty = size == 0;
    return {};
  }

  ExitStatus convert() {
    std::error_code error;
    std::optional<PendingOutput> pending = createPendingOutput(error);
    if (!pending) return stop(ExitStatus::Failed, CannotWrite(target_.shown, ReasonText(error)));
    if (target_.existed && (error = pending->takePermissionsOf(target_.path))) {
      return stop(ExitStatus::Failed, CannotWrite(target_.shown, ReasonText(error)));
    }

    ConversionCounts counts;
    ProgressLine progress(err_, env_.errorIsTerminal && !request_.quiet,
                          ShownPath(Utf8FromPath(inputPath_.filename()), 40), direction_, counts,
                          env_.interruptRequested);
    ConversionResult result = ConvertInput(direction_, inputPath_, parts_.baseName, pending->path(),
                                           request_.gpxOptions, request_.kmlOptions, progress, counts);
    progress.clear();
    // Ctrl-C right after the last item still cancels: the user asked to stop.
    if (result.status == ConversionStatus::Completed && progress.abortRequested())
      result.status = ConversionStatus::Stopped;

    switch (result.status) {
      case ConversionStatus::Completed:
        return deliver(*pending, counts);
      case ConversionStatus::InputNotLoaded:
        return stop(ExitStatus::Failed, InputFailureText(result.failure));
      case ConversionStatus::OutputNotWritten:
        return stop(ExitStatus::Failed, CannotWrite(target_.shown, FailureCause(result.failure)));
      case ConversionStatus::NothingConvertible:
        return stop(ExitStatus::NotConverted, kNothingConvertible);
      case ConversionStatus::Stopped:
        break;
    }
    return stop(ExitStatus::Interrupted, kCancelled);
  }

  std::optional<PendingOutput> createPendingOutput(std::error_code& error) const {
    if (!target_.standardOutput) {
      return PendingOutput::create(target_.path.parent_path(), Utf8FromPath(target_.path.filename()), error);
    }
    fs::path directory = env_.scratchDirectory;
    if (directory.empty()) directory = fs::temp_directory_path(error);
    if (error) return std::nullopt;
    return PendingOutput::create(directory, "ruvela-convert-salida", error);
  }

  ExitStatus deliver(PendingOutput& pending, const ConversionCounts& counts) {
    if (target_.standardOutput) {
      if (const std::error_code error = pending.copyTo(out_)) {
        // Whoever read the document stopped reading it: there is nobody to tell.
        if (env_.outputClosed && env_.outputClosed()) return ExitStatus::Failed;
        return stop(ExitStatus::Failed, CannotWrite(target_.shown, ReasonText(error)));
      }
    } else if (const std::error_code error = pending.commitAs(target_.path, commitKind())) {
      if (error == std::errc::file_exists) return stop(ExitStatus::Failed, AppearedMeanwhile(target_.shown));
      return stop(ExitStatus::Failed, CannotWrite(target_.shown, ReasonText(error)));
    }
    if (!request_.quiet) err_ << ConvertedSummary(shownInput_, target_.shown, direction_, counts) << '\n';
    return ExitStatus::Converted;
  }

  // Without -f a file is only ever created: one that appeared during the
  // conversion, or an empty one that got content, is kept.
  PendingOutput::Commit commitKind() const {
    const bool replace = request_.force || (target_.wasEmpty && IsStillEmpty(target_.path));
    return replace ? PendingOutput::Commit::Replace : PendingOutput::Commit::OnlyIfAbsent;
  }

  ExitStatus stop(ExitStatus status, std::string_view text) {
    err_ << FileMessage(shownInput_, text) << '\n';
    return status;
  }

  const std::string& input_;
  const std::string shownInput_;
  const CliRequest& request_;
  std::ostream& out_;
  std::ostream& err_;
  const CliEnvironment& env_;

  fs::path inputPath_;
  InputParts parts_;
  Direction direction_ = Direction::Unknown;
  Target target_;
};

}  // namespace

ExitStatus ConvertFile(const std::string& input, const CliRequest& request, std::ostream& out, std::ostream& err,
                       const CliEnvironment& env) {
  return FileConversion(input, request, out, err, env).run();
}

}  // namespace ruvela::cli
