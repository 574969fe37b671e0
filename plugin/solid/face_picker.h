// PickFace: the user picks a solid or region, confirms one of the faces under
// the pick, and that face is posted to model space as an entity of its own.
#pragma once

#include "platform/cad/db/db_object_id.h"

// The picker's result when the user ended the selection or a step failed.
constexpr int kPickFaceEnded = 123;

// 0 with the posted face's id; kPickFaceEnded; or the error status of an open
// or append that failed.
int PickFace(AcDbObjectId& faceId);

enum class FaceAnswer { kYes, kNo, kCancelled };

// Keywords "Yes No"; Enter takes the default Yes.
FaceAnswer AskIsThisTheFace(const char* prompt);
