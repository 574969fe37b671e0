// Handlers of the solid and facet commands.
#pragma once

void SolExtCommand();
void FacetFacesCommand();
void SetColorIndexCommand();
void SetDeviationCommand();
