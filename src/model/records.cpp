#include "model/records.h"

namespace klev {

void FailSubscript(const char* listName, Long index) {
    throw FatalError(std::string("Subscript out of range: ") + listName + "(" + std::to_string(index) + ")");
}

void BaitPreference::reflect(forms::VarVisitor& v) {
    v.field("BaitName", BaitName);
    v.field("Chance", Chance);
}

void FishRecord::reflect(forms::VarVisitor& v) {
    v.field("Name", Name);
    v.field("PictureIndex", PictureIndex);
    v.field("MinWeight", MinWeight);
    v.field("MaxWeight", MaxWeight);
    v.field("SpeciesValue4", SpeciesValue4);
    v.field("Caution", Caution);
    v.field("Strength", Strength);
    v.sizeOf("BaitCount", Baits);
    v.records("Baits", Baits);
    v.field("Weight", Weight);
    v.field("PriceWeightUnit", PriceWeightUnit);
    v.field("PricePerUnit", PricePerUnit);
    v.field("SpeciesName", SpeciesName);
    v.field("Holder", Holder);
    v.field("PictureKey", PictureKey);
}

void TackleItem::reflect(forms::VarVisitor& v) {
    v.field("Name", Name);
    v.field("Strength", Strength);
    v.field("Price", Price);
    v.field("SizeName", SizeName);
    v.field("Amount", Amount);
    v.field("LineLength", LineLength);
    v.field("Power", Power);
    v.field("BaitKey", BaitKey);
}

void PlaceSpot::reflect(forms::VarVisitor& v) {
    v.field("X", X);
    v.field("Y", Y);
}

void MapInfo::reflect(forms::VarVisitor& v) {
    v.field("Title", Title);
    v.field("Folder", Folder);
    v.field("PictureIndex", PictureIndex);
    v.sizeOf("PlaceCount", Places);
    v.records("Places", Places);
}

void PlaceFishEntry::reflect(forms::VarVisitor& v) {
    v.field("SpeciesIndex", SpeciesIndex);
    v.field("Value", Value);
}

void RegularRecord::reflect(forms::VarVisitor& v) {
    v.field("Name", Name);
    v.field("Drunkenness", Drunkenness);
    v.field("Attitude", Attitude);
    v.field("Tolerance", Tolerance);
    v.field("Skill", Skill);
    v.sizeOf("CatchCount", Catch);
    v.records("Catch", Catch);
    v.field("BestWeight", BestWeight);
}

}  // namespace klev
