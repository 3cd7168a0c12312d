// The document file: a marker, the design parameters and three counted arrays, as
// little-endian 32-bit integers and IEEE 754 doubles.
#include "CFilterDoc.h"

#include "CoefficientText.h"
#include "FilterLimits.h"
#include "Message.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

// The first field of every document: the double nearest to 0.123456789.
constexpr double kMarker = 0.123456789;

bool isMarker(double value) { return std::memcmp(&value, &kMarker, sizeof value) == 0; }

// The arrays of a document: their names, and how many elements the workbench takes of
// each. The response has 4 N points for N coefficients.
const char* const kIdealName = text::TrNoop("FilterDocFile", "the ideal response");
const char* const kCoefficientsName = text::TrNoop("FilterDocFile", "the coefficients");
const char* const kResponseName = text::TrNoop("FilterDocFile", "the response");

// Reads the element count of the array name and checks it against the most the workbench
// takes and what the rest of the file can hold, before anything of the array is read.
int32_t readCount(CArchive& ar, const char* name, int32_t maxCount, size_t elementBytes)
{
    int32_t count = 0;
    ar >> count;
    if (count < 0)
        throw CArchiveException(text::Tr("FilterDocFile", "an array has a negative element count"));
    if (count > maxCount)
        throw CArchiveException(
            text::Tr("FilterDocFile", "the file announces %1 elements of %2; the workbench takes at most %3")
                .arg(count)
                .arg(text::Tr("FilterDocFile", name))
                .arg(maxCount));
    if (static_cast<size_t>(count) > ar.Remaining() / elementBytes)
        throw CArchiveException(text::Tr("FilterDocFile", "an element count is larger than the rest of the file"));
    return count;
}

CRealArray readReals(CArchive& ar, const char* name)
{
    CRealArray a(readCount(ar, name, kMaxFilterLength, 8));
    for (int i = 0; i < a.GetSize(); ++i)
        ar >> a[i];
    return a;
}

CComplexArray readComplexes(CArchive& ar)
{
    CComplexArray a(readCount(ar, kResponseName, 4 * kMaxFilterLength, 16));
    for (int i = 0; i < a.GetSize(); ++i)
        ar >> a[i].re >> a[i].im;
    return a;
}

// The values a document holds; every one must be finite.
struct CDocumentValues {
    double low, high, attenuation;
    const CRealArray* ideal;
    const CRealArray* coef;
    const CComplexArray* response;
};

// "element i of name" for the first element of a that is not finite, or empty.
template <class Array, class IsFinite>
std::string firstNonFinite(const Array* a, const text::CMessage& name, IsFinite isFinite)
{
    for (int i = 0; a && i < a->GetSize(); ++i)
        if (!isFinite((*a)[i]))
            return text::Tr("FilterDocFile", "element %1 of %2").arg(i).arg(name);
    return {};
}

// Which value of v is not finite, or empty when all are.
std::string nonFiniteValue(const CDocumentValues& v)
{
    const std::pair<text::CMessage, double> header[] = {{text::Tr("FilterDocFile", "the low cut-off"), v.low},
        {text::Tr("FilterDocFile", "the high cut-off"), v.high},
        {text::Tr("FilterDocFile", "the attenuation"), v.attenuation}};
    for (const auto& [name, value] : header)
        if (!std::isfinite(value))
            return name;
    const auto real = [](double x) { return std::isfinite(x); };
    const auto complex = [](const CComplex& z) { return std::isfinite(z.re) && std::isfinite(z.im); };
    for (std::string found : {firstNonFinite(v.ideal, text::Tr("FilterDocFile", kIdealName), real),
             firstNonFinite(v.coef, text::Tr("FilterDocFile", kCoefficientsName), real),
             firstNonFinite(v.response, text::Tr("FilterDocFile", kResponseName), complex)})
        if (!found.empty())
            return found;
    return {};
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

// Refuses values that are not finite (a response that overflowed, say): no such file is
// ever written, so that every saved document opens again.
void CFilterDoc::StoreDocument(CArchive& ar) const
{
    const std::string bad = nonFiniteValue({m_dLowCutoff, m_dHighCutoff, m_dAttenuation, m_pIdeal.get(),
        m_pCoef.get(), m_pResponse.get()});
    if (!bad.empty())
        throw CArchiveException(
            text::Tr("FilterDocFile", "%1 is not finite; a document holds finite values only").arg(bad));
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
// as it was. Values that are not finite mark the file as damaged.
void CFilterDoc::LoadDocument(CArchive& ar)
{
    double marker = 0.0;
    ar >> marker;
    if (!isMarker(marker))
        throw CArchiveException(text::Tr("FilterDocFile", "not a filter document"));
    int32_t length = 0, type = 0;
    double low = 0.0, high = 0.0, attenuation = 0.0;
    ar >> length >> type >> low >> high >> attenuation;
    CRealArray ideal = readReals(ar, kIdealName);
    CRealArray coef = readReals(ar, kCoefficientsName);
    CComplexArray response = readComplexes(ar);
    const std::string bad = nonFiniteValue({low, high, attenuation, &ideal, &coef, &response});
    if (!bad.empty())
        throw CArchiveException(text::Tr("FilterDocFile", "the file is damaged: %1 is not finite").arg(bad));
    if (const std::string beyond = CheckCoefficientMagnitudes(coef); !beyond.empty())
        throw CArchiveException(beyond);
    m_nLength = length;
    m_nFilterType = type;
    m_dLowCutoff = low;
    m_dHighCutoff = high;
    m_dAttenuation = attenuation;
    m_pIdeal = std::make_unique<CRealArray>(std::move(ideal));
    m_pCoef = std::make_unique<CRealArray>(std::move(coef));
    m_pResponse = std::make_unique<CComplexArray>(std::move(response));
    TakeLoadedRequirements();
    CoefficientsChanged(DesignNone);
}
