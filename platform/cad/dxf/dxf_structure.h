// The frame of a DXF file: the records that open and close its parts and the shape of
// its header variables. A record of the frame in the wrong place, or a header variable
// of the wrong shape, is damage the reader refuses rather than keeps: written back it
// would break every reader of the saved file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/cad/db/dxf_item_filer.h"

bool equalsIgnoringCase(std::string_view a, std::string_view b);

// SECTION, ENDSEC, TABLE, ENDTAB, BLOCK, ENDBLK, CLASS, EOF, in any case.
bool isFrameRecord(std::string_view name);
// The records of a complex entity's run: VERTEX, ATTRIB and the SEQEND that ends it.
bool isSequencePart(std::string_view name);
// POLYLINE, which always has a run of VERTEX records.
bool isPolylineRecord(std::string_view name);
// The nine tables of a DXF R2000 file; their records are named as the tables.
bool isDxfTableName(std::string_view name);
// The subclass marker of the records of one of the nine tables ("AcDbLayerTableRecord").
std::string_view tableRecordSubclass(std::string_view table);
// The entities and the objects of DXF R2000: one kind standing among the other is damage.
bool isDxfEntityName(std::string_view name);
bool isDxfObjectName(std::string_view name);

// Each "9 $NAME" followed by exactly one value (a point counts as one). False with the
// problem and the index of the offending item when the header has another shape.
bool checkHeaderShape(const std::vector<DxfItem>& items, std::size_t& bad, std::string& problem);
// The DXF version the header names ($ACADVER), empty when it names none.
std::string dxfVersionOf(const std::vector<DxfItem>& items);
// True for versions before R13 (AC1012), which lack handles and subclass markers;
// a version this reader does not know is read as a newer one.
bool isPreR13Version(std::string_view version);
