#include "install/DistributionPieces.h"

#include "package/PieceFormat.h"

int DistributionPieces::OpenRead(const std::string& name) {
  const bool piece = IsPiece(name);
  return Ours(FolderOf(name).OpenRead(name), piece);
}

bool DistributionPieces::IsPiece(const std::string& name) const {
  return IsPieceOfAny(name, m_prefixes);
}
