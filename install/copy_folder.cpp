#include "install/copy_folder.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <unordered_set>

#include "install/file_comparison.h"
#include "install/install_messages.h"
#include "install/protected_files.h"
#include "install/source_listing.h"
#include "platform/administrators_only.h"
#include "text/case_folding.h"
#include "text/fill_in.h"
#include "text/trim.h"

namespace install {

namespace {

// Each question to Windows costs a file's worth of time under some file
// systems (a name that is not there is looked for through the whole folder),
// so every fact about a file is asked once: the listing tells what is a
// file, the target folder's names tell where nothing stands yet.
class FolderCopy {
 public:
  FolderCopy(const InstallationContext& context, const std::string& source_folder,
             const std::string& target_folder, CopyRule rule)
      : context_(context),
        files_(context.windows.files),
        source_folder_(source_folder),
        target_folder_(text::Trim(target_folder, text::kSpaceAndControls)),
        rule_(rule),
        from_format_(Lookup(messages::kCopyFrom)),
        to_format_(Lookup(messages::kCopyTo)) {}

  // The names in the target folder before the step. Only a hint of which
  // targets are surely new: a copy onto a name that is there after all
  // fails without harm, and the file is then handled as any other.
  void ReadTargets() {
    auto entries = files_.ListFolder(target_folder_);
    if (!entries) return;
    targets_.emplace();
    for (const auto& entry : *entries) targets_->insert(text::FoldedCodePoints(entry.name));
  }

  void Entry(const ListedEntry& entry) {
    std::string name(text::Trim(entry.text, text::kSpaceAndControls));
    std::string source = source_folder_ + name;
    std::string target = target_folder_ + "\\" + name;
    // The keep-newer step asks about every target first anyway.
    bool surely_new = rule_ != CopyRule::KeepNewer && targets_ && !targets_->count(text::FoldedCodePoints(name));
    // Users can set a file's time: a newer code file is kept only when it is
    // the administrators' alone.
    if (rule_ == CopyRule::KeepNewer && IsTargetNewer(files_, source, target) &&
        !(IsProtectedProductFile(target) && !platform::OnlyAdministratorsMayChange(files_, target))) {
      return;
    }
    if (name.empty() || name == "[.]" || name == "[..]" || !IsSourceFile(entry, name, source)) return;
    try {
      File(source, target, surely_new);
    } catch (const std::exception&) {
      ShowError(text::FillIn(Lookup(messages::kFileNotHandled), {source, target}));
    }
    context_.progress.KeepAlive();
  }

  int Copied() const { return copied_; }

  // A folder that exists but cannot be read (a damaged disc, a folder the
  // user may not list) would otherwise copy nothing without a word.
  void ReportUnlisted() {
    ShowError(text::FillIn(Lookup(messages::kFolderNotListed), {std::to_string(files_.LastError()), source_folder_}));
  }

 private:
  // A file the listing named as it stands is one; anything else is asked.
  bool IsSourceFile(const ListedEntry& entry, const std::string& name, const std::string& source) {
    if (!entry.is_folder && name == entry.text) return true;
    return files_.FileExists(source);
  }

  void File(const std::string& source, const std::string& target, bool surely_new) {
    ShowFiles(source, target);
    if (IsProtectedProductFile(target)) {
      CodeFile(source, target, surely_new);
      return;
    }
    if (surely_new) {
      if (files_.CopyNewFile(source, target)) {
        Finish(target, Written());
        return;
      }
      if (files_.LastError() != platform::kErrorFileExists) {
        Finish(target, Failed(source, target));
        return;
      }
      // Windows takes another name there for this one: looked at as any target.
    }
    auto attributes = files_.GetAttributes(target);
    bool exists = attributes && (*attributes & platform::kAttributeDirectory) == 0;
    if (exists && IsPreservedTable(target)) return;
    // Read-only, hidden and system targets refuse to be overwritten.
    bool normal = exists && (*attributes == platform::kAttributeNormal ||
                             files_.SetAttributes(target, platform::kAttributeNormal));
    bool same = exists && IsSameFile(files_, source, target);
    // An equal file already normal, as the step leaves it, needs nothing more.
    if (same && normal && rule_ != CopyRule::ReadOnly) return;
    Finish(target, same || Overwrite(source, target));
  }

  // What CAD hosts load and what users' clicks start is left in place only
  // when it holds the medium's bytes (a user can give any file the medium's
  // size and time) and only administrators may change it. Anything else is
  // replaced by a protected copy, never adopted: a file a user owns, or that
  // has another name elsewhere, stays his.
  void CodeFile(const std::string& source, const std::string& target, bool surely_new) {
    if (!surely_new) {
      const auto attributes = files_.GetAttributes(target);
      const bool exists = attributes && (*attributes & platform::kAttributeDirectory) == 0;
      if (exists && *attributes != platform::kAttributeNormal) files_.SetAttributes(target, platform::kAttributeNormal);
      if (exists && IsSameFile(files_, source, target) && HoldsSameBytes(source, target) &&
          platform::OnlyAdministratorsMayChange(files_, target)) {
        Finish(target, true);
        return;
      }
    }
    auto put = platform::CopyProtectedFile(files_, source, target);
    if (!put.Placed() && Reported(put.error, source, target)) put = platform::CopyProtectedFile(files_, source, target);
    if (put.Placed()) Written();
    if (put.Placed() && put.unprotected != 0) {
      ShowError(text::FillIn(Lookup(messages::kNotProtected), {target, std::to_string(put.unprotected)}));
    }
    Finish(target, put.Placed());
  }

  bool HoldsSameBytes(const std::string& source, const std::string& target) {
    const auto medium = files_.ReadFile(source);
    return medium && files_.ReadFile(target) == medium;
  }

  // in_place: the target now holds the source's bytes.
  void Finish(const std::string& target, bool in_place) {
    // A folder of the user's where the file belongs is not the copy's to change.
    if (!in_place && files_.FolderExists(target)) return;
    files_.SetAttributes(target, rule_ == CopyRule::ReadOnly ? platform::kAttributeReadOnly
                                                             : platform::kAttributeNormal);
  }

  void ShowFiles(const std::string& source, const std::string& target) {
    context_.progress.ShowFiles(text::FillIn(from_format_, {source}), text::FillIn(to_format_, {target}));
  }

  // True when the target now holds the source's bytes.
  bool Overwrite(const std::string& source, const std::string& target) {
    return files_.CopyFile(source, target) ? Written() : Failed(source, target);
  }

  bool Written() {
    ++copied_;
    return true;
  }

  // After a copy that failed; true when the one retry a sharing violation
  // earns put the file in place.
  bool Failed(const std::string& source, const std::string& target) {
    // The user has been asked to close the file; one more try, not reported.
    if (!Reported(files_.LastError(), source, target) || !files_.CopyFile(source, target)) return false;
    return Written();
  }

  // Shows the copy's error; true when a sharing violation earns one retry.
  bool Reported(std::uint32_t error, const std::string& source, const std::string& target) {
    bool sharing = error == platform::kErrorSharingViolation;
    std::string extra = sharing ? "\r" + Lookup(messages::kSharingHint) : "";
    ShowError(text::FillIn(Lookup(messages::kCopyFailed), {std::to_string(error), source, target, extra}));
    return sharing;
  }

  std::string Lookup(const char* text) const { return context_.Lookup(text); }

  void ShowError(const std::string& text) { context_.show_message({text, Lookup(messages::kErrorCaption), false}); }

  const InstallationContext& context_;
  platform::FileSystem& files_;
  std::string source_folder_;
  std::string target_folder_;
  CopyRule rule_;
  // Looked up once for the step: every file shows them.
  std::string from_format_;
  std::string to_format_;
  std::optional<std::unordered_set<std::u32string>> targets_;
  int copied_ = 0;
};

}  // namespace

int CopyFolder(const InstallationContext& context, const std::string& source_folder,
               const std::string& target_folder, CopyRule rule) {
  FolderCopy copy(context, source_folder, target_folder, rule);
  auto listing = ListedEntries(context.windows.files, source_folder);
  if (!listing) {
    copy.ReportUnlisted();
    return 0;
  }
  copy.ReadTargets();
  int count = static_cast<int>(listing->size());
  // A listing without entries would give the bar an end below its start.
  context.progress.SetBarRange(0, std::max(count - 1, 0));
  for (int i = 0; i < count; ++i) {
    context.progress.SetBarPosition(i);
    copy.Entry((*listing)[i]);
  }
  context.progress.EndOfStep();
  return copy.Copied();
}

}  // namespace install
