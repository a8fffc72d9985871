// The help viewer over the help file "Hydrelix.HLP" beside the program.
#ifndef HYDRELIX_SHELL_HELP_VIEWER_H
#define HYDRELIX_SHELL_HELP_VIEWER_H

#include <string>

namespace shell {

// The name of the help file, beside the program.
inline constexpr char kHelpFileName[] = "Hydrelix.HLP";

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // Makes `owner` (a window of the view, opaque here) the window that owns
  // the viewer, and sets the help file's path.
  virtual void InitHelp(const void* owner) = 0;
  // The help file's path as InitHelp set it; empty before.
  virtual std::string HelpFilePath() const = 0;
  // Closes the viewer if it is open.
  virtual void QuitHelp() = 0;
  // Open the help at its contents or at its search; false when the help file
  // cannot be opened.
  virtual bool ShowHelpContents() = 0;
  virtual bool ShowHelpFinder() = 0;
};

// A viewer that opens nothing and says it could: for the session player and
// tests that do not look at help.
class NoHelpViewer final : public HelpViewer {
 public:
  void InitHelp(const void*) override {}
  std::string HelpFilePath() const override { return kHelpFileName; }
  void QuitHelp() override {}
  bool ShowHelpContents() override { return true; }
  bool ShowHelpFinder() override { return true; }
};

}  // namespace shell

#endif
