// The classes the DXF reader dispatches to by DXF name. The database's own classes
// register on first use, so the reader names each of them once before reading;
// classes of plug-ins are found the same way once their module registered them.
#pragma once

#include <string>

class AcDbEntity;

void registerDxfClasses();
// A new entity for a record of that DXF name; an unknown kind gives a kept entity.
AcDbEntity* createEntityFor(const std::string& dxfName);
