#pragma once

#include "datafiles/FileException.h"
#include "model/EclipseMap.h"

#include <optional>
#include <string>

// A ".umb" file has no signature: it is recognised by its content. A field
// that no version of the program would have written (a record flag other
// than 1, a date outside the years the program computes, an angle beyond its
// range, a number that is not finite) tells a file of another kind, or a
// damaged one. The reserved words and the two viewport records that nothing
// reads are not judged: older writers left them as they were.

// The field found implausible.
enum class DocumentField {
    RecordFlag,
    Day,
    Month,
    Year,
    Hour,
    Minute,
    Second,
    GivenDeltaT,
    ObserverLongitude,
    ObserverLatitude,
    CentreLongitude,
    CentreLatitude,
    ViewportScale,
    ViewportOrigin,
    ViewportSize,
};

// The first implausible field, with its value and the range it should lie
// in (both ends included; for the given Delta T, a finite number of that
// magnitude at most).
struct DocumentFault {
    DocumentField field = DocumentField::RecordFlag;
    double value = 0.0;
    double lowest = 0.0;
    double highest = 0.0;
};

// The first field of map that no document would hold, in file order; none
// for a plausible document.
std::optional<DocumentFault> FindImplausibleField(const CEclipseMap& map);

// A file refused because of its content: the file layer's content error,
// carrying the field at fault for the front ends to phrase.
class CImplausibleDocument : public CFileException {
public:
    CImplausibleDocument(std::string fileName, const DocumentFault& fault);
    const DocumentFault& Fault() const { return m_fault; }

private:
    DocumentFault m_fault;
};

// Reads a ".umb" file as LoadDocument does, then refuses it with
// CImplausibleDocument (leaving map as it was) when a field is implausible.
void LoadPlausibleDocument(const std::string& path, CEclipseMap& map);
