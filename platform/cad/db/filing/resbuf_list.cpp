#include <cstdarg>
#include <cstdint>
#include <cstring>

#include "platform/cad/db/db_enums.h"
#include "platform/cad/db/filing/resbuf.h"

namespace {

enum class ValueShape { kNone, kShort, kLong, kLong64, kReal, kString, kPoint, kName, kUnknown };

ValueShape shapeOf(int type) {
  switch (type) {
    case RTLB:
    case RTLE:
    case RTDOTE:
    case RTNIL:
    case RTT:
    case RTNONE:
    case RTVOID:
      return ValueShape::kNone;
    case RTSHORT:
      return ValueShape::kShort;
    case RTLONG:
      return ValueShape::kLong;
    case RTREAL:
    case RTANG:
    case RTORINT:
      return ValueShape::kReal;
    case RTSTR:
    case RTDXF0:
      return ValueShape::kString;
    case RTPOINT:
    case RT3DPOINT:
      return ValueShape::kPoint;
    case RTENAME:
    case RTPICKS:
      return ValueShape::kName;
    default:
      break;
  }
  if (type == -1 || type == -2) return ValueShape::kName;
  if (type < 0 || type >= RTNONE) return ValueShape::kUnknown;
  switch (AcDb::dxfValueKind(type)) {
    case AcDb::kDxfValueString:
    case AcDb::kDxfValueHandle:
      return ValueShape::kString;
    case AcDb::kDxfValueReal:
      return ValueShape::kReal;
    case AcDb::kDxfValuePoint:
      return ValueShape::kPoint;
    case AcDb::kDxfValueInt16:
    case AcDb::kDxfValueBool:
      return ValueShape::kShort;
    case AcDb::kDxfValueInt32:
      return ValueShape::kLong;
    case AcDb::kDxfValueInt64:
      return ValueShape::kLong64;
    case AcDb::kDxfValueObjectId:
      return ValueShape::kName;
    default:
      return ValueShape::kUnknown;
  }
}

// Fills rb from the next variadic value; false when the value cannot be taken.
bool takeValue(resbuf* rb, ValueShape shape, va_list& args) {
  switch (shape) {
    case ValueShape::kNone:
      return true;
    case ValueShape::kShort:
      rb->resval.rint = static_cast<short>(va_arg(args, int));
      return true;
    case ValueShape::kLong:
      rb->resval.rlong = static_cast<std::int32_t>(va_arg(args, int));
      return true;
    case ValueShape::kLong64:
      rb->resval.rlong64 = va_arg(args, std::int64_t);
      return true;
    case ValueShape::kReal:
      rb->resval.rreal = va_arg(args, double);
      return true;
    case ValueShape::kString: {
      const char* text = va_arg(args, const char*);
      rb->resval.rstring = strdup(text != nullptr ? text : "");
      return rb->resval.rstring != nullptr;
    }
    case ValueShape::kPoint: {
      const double* point = va_arg(args, const double*);
      if (point == nullptr) return false;
      std::memcpy(rb->resval.rpoint, point, sizeof(ads_point));
      return true;
    }
    case ValueShape::kName: {
      const std::int64_t* name = va_arg(args, const std::int64_t*);
      if (name == nullptr) return false;
      rb->resval.rlname[0] = name[0];
      rb->resval.rlname[1] = name[1];
      return true;
    }
    case ValueShape::kUnknown:
      break;
  }
  return false;
}

}  // namespace

resbuf* acutBuildList(int rtype, ...) {
  va_list args;
  va_start(args, rtype);
  resbuf* head = nullptr;
  resbuf* tail = nullptr;
  for (int type = rtype; type != 0; type = va_arg(args, int)) {
    const ValueShape shape = shapeOf(type);
    resbuf* rb = shape == ValueShape::kUnknown ? nullptr : acutNewRb(type);
    if (rb == nullptr || !takeValue(rb, shape, args)) {
      if (rb != nullptr) {
        rb->restype = RTNONE;  // nothing owned yet
        acutRelRb(rb);
      }
      acutRelRb(head);
      va_end(args);
      return nullptr;
    }
    if (tail == nullptr)
      head = rb;
    else
      tail->rbnext = rb;
    tail = rb;
  }
  va_end(args);
  return head;
}
