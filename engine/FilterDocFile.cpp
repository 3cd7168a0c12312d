// The document file: a marker, the design parameters and three counted arrays, as
// little-endian 32-bit integers and IEEE 754 doubles.
#include "CFilterDoc.h"

#include <cstring>

namespace {

// The first field of every document: the double nearest to 0.123456789.
constexpr double kMarker = 0.123456789;

bool isMarker(double value) { return std::memcmp(&value, &kMarker, sizeof value) == 0; }

// Reads an element count and checks that the rest of the file can hold that many elements.
int32_t readCount(CArchive& ar, size_t elementBytes)
{
    int32_t count = 0;
    ar >> count;
    if (count < 0)
        throw CArchiveException("an array has a negative element count");
    if (static_cast<size_t>(count) > ar.Remaining() / elementBytes)
        throw CArchiveException("an element count is larger than the rest of the file");
    return count;
}

CRealArray readReals(CArchive& ar)
{
    CRealArray a(readCount(ar, 8));
    for (int i = 0; i < a.GetSize(); ++i)
        ar >> a[i];
    return a;
}

CComplexArray readComplexes(CArchive& ar)
{
    CComplexArray a(readCount(ar, 16));
    for (int i = 0; i < a.GetSize(); ++i)
        ar >> a[i].re >> a[i].im;
    return a;
}

void storeReals(CArchive& ar, const CRealArray* a)
{
    ar << static_cast<int32_t>(a ? a->GetSize() : 0);
    for (int i = 0; a && i < a->GetSize(); ++i)
        ar << (*a)[i];
}

}  // namespace

void CFilterDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        StoreDocument(ar);
    else
        LoadDocument(ar);
}

void CFilterDoc::StoreDocument(CArchive& ar) const
{
    ar << kMarker << static_cast<int32_t>(m_nLength) << static_cast<int32_t>(m_nFilterType);
    ar << m_dLowCutoff << m_dHighCutoff << m_dAttenuation;
    storeReals(ar, m_pIdeal.get());
    storeReals(ar, m_pCoef.get());
    const int responseSize = m_pResponse ? m_pResponse->GetSize() : 0;
    ar << static_cast<int32_t>(responseSize);
    for (int i = 0; i < responseSize; ++i)
        ar << (*m_pResponse)[i].re << (*m_pResponse)[i].im;
}

// Reads the whole file before it changes anything, so a refused file leaves the document
// as it was.
void CFilterDoc::LoadDocument(CArchive& ar)
{
    double marker = 0.0;
    ar >> marker;
    if (!isMarker(marker))
        throw CArchiveException("not a filter document");
    int32_t length = 0, type = 0;
    double low = 0.0, high = 0.0, attenuation = 0.0;
    ar >> length >> type >> low >> high >> attenuation;
    CRealArray ideal = readReals(ar);
    CRealArray coef = readReals(ar);
    CComplexArray response = readComplexes(ar);
    m_nLength = length;
    m_nFilterType = type;
    m_dLowCutoff = low;
    m_dHighCutoff = high;
    m_dAttenuation = attenuation;
    m_pIdeal = std::make_unique<CRealArray>(std::move(ideal));
    m_pCoef = std::make_unique<CRealArray>(std::move(coef));
    m_pResponse = std::make_unique<CComplexArray>(std::move(response));
    CoefficientsChanged(DesignNone);
}
