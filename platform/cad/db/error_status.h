// The host's error statuses. Values are ours (eOk is 0, as callers test);
// the names are the host's, and acadErrorStatusText gives each name back.
#pragma once

#define ACAD_ERROR_STATUS_LIST(X) \
  X(eOk)                          \
  X(eNotImplementedYet)           \
  X(eNotImplemented)              \
  X(eCannotScaleNonUniformly)     \
  X(eNotApplicable)               \
  X(eInvalidInput)                \
  X(eAmbiguousInput)              \
  X(eOutOfMemory)                 \
  X(eBufferTooSmall)              \
  X(eInvalidOpenState)            \
  X(eNullEntityPointer)           \
  X(eNullObjectPointer)           \
  X(eNotInDatabase)               \
  X(eNoDatabase)                  \
  X(eWrongDatabase)               \
  X(eNullObjectId)                \
  X(eNullHandle)                  \
  X(eUnknownHandle)               \
  X(eHandleExists)                \
  X(eKeyNotFound)                 \
  X(eDuplicateKey)                \
  X(eInvalidKey)                  \
  X(eInvalidIndex)                \
  X(eOutOfRange)                  \
  X(eAlreadyInDb)                 \
  X(eWasErased)                   \
  X(ePermanentlyErased)           \
  X(eWasOpenForRead)              \
  X(eWasOpenForWrite)             \
  X(eWasOpenForNotify)            \
  X(eNotOpenForRead)              \
  X(eNotOpenForWrite)             \
  X(eNotOpenForNotify)            \
  X(eAtMaxReaders)                \
  X(eHadMultipleReaders)          \
  X(eNotThatKindOfClass)          \
  X(eNotAnEntity)                 \
  X(eWrongObjectType)             \
  X(eSelfReference)               \
  X(eCannotBeErasedByCaller)      \
  X(eDuplicateRecordName)         \
  X(eInvalidSymbolTableName)      \
  X(eUndefinedLineType)           \
  X(eNotInGroup)                  \
  X(eAlreadyInGroup)              \
  X(eInvalidDxfCode)              \
  X(eBadDxfSequence)              \
  X(eDwgObjectImproperlyRead)     \
  X(eEndOfObject)                 \
  X(eEndOfFile)                   \
  X(eFilerError)                  \
  X(eFileNotFound)                \
  X(eFileAccessErr)               \
  X(eInvalidExtents)              \
  X(eDegenerateGeometry)          \
  X(eNonCoplanarGeometry)         \
  X(eGeneralModelingFailure)      \
  X(eInvalidAdsName)              \
  X(eLockViolation)

namespace Acad {
#define ACAD_ERROR_STATUS_ENUM(name) name,
enum ErrorStatus { ACAD_ERROR_STATUS_LIST(ACAD_ERROR_STATUS_ENUM) };
#undef ACAD_ERROR_STATUS_ENUM
}  // namespace Acad

// The status's name, e.g. "eWasErased"; "eUnknownErrorStatus" for a value outside the list.
const char* acadErrorStatusText(Acad::ErrorStatus status);
