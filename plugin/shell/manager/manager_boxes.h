// The toolpath manager's message boxes and the question it asks about a
// toolpath whose entities or source cannot be read.
#pragma once

// The manager's own caption, fourteen characters as it has always been.
constexpr const char* kManagerCaption = "Ostrivo messag";
constexpr const char* kNoRowSelectedText = "공구경로가 선택되지 안았습니다.";
constexpr const char* kCannotRegenerateText = "재생성 할수 없습니다.!!";
constexpr const char* kCannotDeleteText = "공구경로를 삭제 할수 없습니다.!!";

// An information box with the manager's caption.
void ShowManagerBox(const char* text);
// Asks whether the broken toolpath may go and deletes it on Yes. True when it
// was deleted.
bool OfferToDeleteBrokenToolpath(const char* name);
