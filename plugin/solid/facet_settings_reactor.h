// Colour and facet deviation of the facet capture commands, one node per open
// drawing, kept up to date by a document manager reactor.
#pragma once

#include <list>

#include "platform/cad/editor/ap_doc_manager.h"

struct FacetSettingsNode {
  AcApDocument* document = nullptr;
  int colorIndex = 1;
  double deviation = 0.1;
};

class CFacetSettingsReactor : public AcApDocManagerReactor {
 public:
  void documentBecameCurrent(AcApDocument* document) override;
  void documentToBeDestroyed(AcApDocument* document) override;

  // The document's node, made when it has none yet.
  FacetSettingsNode& NodeOf(AcApDocument* document);
  // The node of the document the document manager holds current (made when it
  // has none yet); null while no document is current.
  FacetSettingsNode* Current();
  int NodeCount() const { return static_cast<int>(nodes_.size()); }

 private:
  std::list<FacetSettingsNode> nodes_;
  FacetSettingsNode* current_ = nullptr;
};

// At load: makes the reactor (once), registers it with the document manager and
// gives the current document its node.
void CreateFacetSettingsReactor();
// At unload: unregisters and destroys the reactor.
void RemoveFacetSettingsReactor();
// Null while the plug-in is not loaded.
CFacetSettingsReactor* FacetSettingsReactor();
