// A post definition (".ppr"): the [Define] settings block and the 23 template
// blocks, the built-in default, and the file's text form. Files are written
// with CR LF; LF alone is read too.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "plugin/post/post_block.h"

// Why a definition text cannot be used, and the line (from 1) where it shows.
struct PostDefinitionProblem {
  int line = 0;
  std::string why;
};

// A text that reads as a definition: at least one section, each closed by
// "[End]" before the next header or the end, no "[End]" outside one, no line
// with control characters, and bracketed variables that the engine knows.
std::optional<PostDefinitionProblem> CheckPostDefinition(std::string_view text);

class PostSettingsFile {
 public:
  // Types and cycle indices set, every block cleared and absent.
  PostSettingsFile();

  PostBlock& block(int id) { return blocks_[id]; }
  const PostBlock& block(int id) const { return blocks_[id]; }

  // Every block's lines become the built-in default's; presence is left alone.
  void FillDefaults();
  // The built-in default in force: all template blocks present, [Define] not.
  void UseDefaults();

  enum class LoadResult { kRead, kReadWithExtension, kDefaultsInForce, kRefused };
  // Reads path, or path with ".ppr" added when path cannot be read. A block's
  // presence then depends on this file alone: present when the file gives it
  // lines. Without a readable file the built-in default is in force. A file
  // that does not pass CheckPostDefinition is refused: the blocks stay as they
  // were and problem says why.
  LoadResult Load(const std::string& path, PostDefinitionProblem* problem = nullptr);
  // Reads definition text; the same rules as Load.
  void LoadText(std::string_view text);

  // The text Save writes: every block, whatever its presence.
  std::string SaveText() const;

 private:
  std::array<PostBlock, kPostBlockCount> blocks_;
};

// The built-in default lines of a block, each ending CR LF.
std::string DefaultPostBlockText(int block);
