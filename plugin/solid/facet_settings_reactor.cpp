#include "plugin/solid/facet_settings_reactor.h"

#include <memory>

namespace {

std::unique_ptr<CFacetSettingsReactor>& TheReactor() {
  static std::unique_ptr<CFacetSettingsReactor> reactor;
  return reactor;
}

}  // namespace

void CFacetSettingsReactor::documentBecameCurrent(AcApDocument* document) { current_ = &NodeOf(document); }

void CFacetSettingsReactor::documentToBeDestroyed(AcApDocument* document) {
  for (auto it = nodes_.begin(); it != nodes_.end(); ++it) {
    if (it->document != document) continue;
    // The document that becomes current next says whose node is current.
    if (current_ == &*it) current_ = nullptr;
    nodes_.erase(it);
    return;
  }
}

FacetSettingsNode* CFacetSettingsReactor::Current() {
  AcApDocManager* manager = acDocManagerPtr();
  AcApDocument* document = manager != nullptr ? manager->curDocument() : nullptr;
  if (document != nullptr) current_ = &NodeOf(document);
  return current_;
}

FacetSettingsNode& CFacetSettingsReactor::NodeOf(AcApDocument* document) {
  for (FacetSettingsNode& node : nodes_) {
    if (node.document == document) return node;
  }
  nodes_.push_front(FacetSettingsNode{document});
  return nodes_.front();
}

void CreateFacetSettingsReactor() {
  AcApDocManager* manager = acDocManagerPtr();
  if (manager == nullptr || TheReactor() != nullptr) return;
  TheReactor() = std::make_unique<CFacetSettingsReactor>();
  manager->addReactor(TheReactor().get());
  if (AcApDocument* document = manager->curDocument()) TheReactor()->documentBecameCurrent(document);
}

void RemoveFacetSettingsReactor() {
  if (TheReactor() == nullptr) return;
  if (AcApDocManager* manager = acDocManagerPtr()) manager->removeReactor(TheReactor().get());
  TheReactor().reset();
}

CFacetSettingsReactor* FacetSettingsReactor() { return TheReactor().get(); }
