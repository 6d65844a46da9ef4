#include "eclipse/stored/StoredEclipses.h"

#include "datafiles/ElpImage.h"
#include "datafiles/FileException.h"
#include "datafiles/NutationImage.h"
#include "datafiles/RecordImage.h"
#include "datafiles/VsopImage.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <limits>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::array<char, 8> kMagic = {'U', 'M', 'B', 'E', 'C', 'L', '0', '1'};
// A stamp is a few lines; anything longer is not one.
constexpr std::uint32_t kLongestStamp = 4096;

struct StoredHeader {
    std::array<char, 8> magic = kMagic;
    std::uint32_t stampSize = 0;  // bytes of the stamp's text, which follows
    std::uint32_t recordSize = 0;
    std::uint32_t recordCount = 0;
    std::int32_t firstYear = 0;   // every eclipse of these years is stored
    std::int32_t lastYear = 0;
    std::uint32_t checksum = 0;   // CRC-32 of the header with this field zero, then of the stamp
};
static_assert(sizeof(StoredHeader) == 32 && std::has_unique_object_representations_v<StoredHeader>);

// The bits of StoredRecord::present.
enum PresentValue : std::uint8_t {
    kDeltaTSigma = 1,
    kDuration = 2,
    kWidth = 4,
};

// One eclipse, every double as computed; the date first, so that a search
// reads the key alone.
struct StoredRecord {
    std::int32_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t type = 0;
    std::uint8_t present = 0;
    std::int32_t saros = 0;
    std::uint32_t checksum = 0;  // CRC-32 of the record with this field zero
    // The summary.
    double greatestDay = 0.0;
    double greatestFraction = 0.0;
    double deltaT = 0.0;
    double deltaTSigma = 0.0;
    double gamma = 0.0;
    double magnitude = 0.0;
    double latitude = 0.0;
    double longitude = 0.0;
    double sunAltitude = 0.0;
    double durationSeconds = 0.0;
    double widthKm = 0.0;
    // The fitted elements.
    double t0Day = 0.0;
    double t0Fraction = 0.0;
    double elementsDeltaT = 0.0;
    std::array<std::array<double, Polynomial::kMaximumDegree + 1>, 6> polynomials = {};  // x, y, d, l1, l2, mu
    double tanF1 = 0.0;
    double tanF2 = 0.0;
    double validFrom = 0.0;
    double validTo = 0.0;
    std::array<double, 8> residuals = {};  // as FitResiduals lists them
};
// No padding: 16 bytes of integers, then 56 doubles.
static_assert(sizeof(StoredRecord) == 16 + 56 * sizeof(double));
static_assert(offsetof(StoredRecord, greatestDay) == 16);

struct DateKey {
    std::int32_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
};

auto KeyOf(const CivilDate& date)
{
    return std::array<int, 3>{date.year, date.month, date.day};
}

// A key after every record of the date and before those of the next.
auto AfterKeyOf(const CivilDate& date)
{
    return std::array<int, 3>{date.year, date.month, date.day + 1};
}

std::uint32_t RecordChecksum(StoredRecord record)
{
    record.checksum = 0;
    std::array<std::uint8_t, sizeof(StoredRecord)> bytes;
    std::memcpy(bytes.data(), &record, sizeof record);
    return ImageChecksum(bytes);
}

std::uint32_t HeaderChecksum(StoredHeader header, const std::string& stamp)
{
    header.checksum = 0;
    std::vector<std::uint8_t> bytes(sizeof header + stamp.size());
    std::memcpy(bytes.data(), &header, sizeof header);
    std::memcpy(bytes.data() + sizeof header, stamp.data(), stamp.size());
    return ImageChecksum(bytes);
}

template <typename Elements>
auto PolynomialsOf(Elements& elements)
{
    return std::array{&elements.x, &elements.y, &elements.d, &elements.l1, &elements.l2, &elements.mu};
}

template <typename Residuals>
auto ResidualsOf(Residuals& residuals)
{
    return std::array{&residuals.x,  &residuals.y,  &residuals.d,     &residuals.l1,
                      &residuals.l2, &residuals.mu, &residuals.tanF1, &residuals.tanF2};
}

// Calls copy(recordField, eclipseField) for every figure kept as it is,
// so that storing and restoring pair the same fields.
template <typename Record, typename Eclipse, typename Copy>
void PairFigures(Record& record, Eclipse& eclipse, Copy copy)
{
    auto& summary = eclipse.summary;
    copy(record.saros, summary.saros);
    copy(record.deltaT, summary.deltaT);
    copy(record.gamma, summary.gamma);
    copy(record.magnitude, summary.magnitude);
    copy(record.latitude, summary.latitude);
    copy(record.longitude, summary.longitude);
    copy(record.sunAltitude, summary.sunAltitude);
    auto& elements = eclipse.fit.elements;
    copy(record.elementsDeltaT, elements.deltaT);
    copy(record.tanF1, elements.tanF1);
    copy(record.tanF2, elements.tanF2);
    copy(record.validFrom, elements.validFrom);
    copy(record.validTo, elements.validTo);
    const auto polynomials = PolynomialsOf(elements);
    for (std::size_t k = 0; k < polynomials.size(); ++k) {
        copy(record.polynomials[k], polynomials[k]->coefficients);
    }
    const auto residuals = ResidualsOf(eclipse.fit.residuals);
    for (std::size_t k = 0; k < residuals.size(); ++k) {
        copy(record.residuals[k], *residuals[k]);
    }
}

double Stored(const std::optional<double>& value, PresentValue bit, std::uint8_t& present)
{
    if (!value) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    present |= bit;
    return *value;
}

std::optional<double> Restored(double value, PresentValue bit, std::uint8_t present)
{
    return (present & bit) != 0 ? std::optional<double>(value) : std::nullopt;
}

StoredRecord RecordOf(const EclipseOfDate& eclipse)
{
    StoredRecord record;
    record.year = eclipse.date.year;
    record.month = static_cast<std::uint8_t>(eclipse.date.month);
    record.day = static_cast<std::uint8_t>(eclipse.date.day);
    const EclipseSummary& summary = eclipse.summary;
    record.type = static_cast<std::uint8_t>(summary.type);
    record.greatestDay = summary.greatest.WholeDays();
    record.greatestFraction = summary.greatest.DayFraction();
    record.deltaTSigma = Stored(summary.deltaTSigma, kDeltaTSigma, record.present);
    record.durationSeconds = Stored(summary.durationSeconds, kDuration, record.present);
    record.widthKm = Stored(summary.widthKm, kWidth, record.present);
    record.t0Day = eclipse.fit.elements.t0.WholeDays();
    record.t0Fraction = eclipse.fit.elements.t0.DayFraction();
    PairFigures(record, eclipse, [](auto& stored, const auto& value) { stored = value; });
    record.checksum = RecordChecksum(record);
    return record;
}

EclipseOfDate EclipseOf(const StoredRecord& record)
{
    EclipseOfDate eclipse;
    eclipse.date = {record.year, record.month, record.day};
    EclipseSummary& summary = eclipse.summary;
    summary.type = static_cast<EclipseType>(record.type);
    summary.greatest = Instant::FromJulianDate(record.greatestDay, record.greatestFraction);
    summary.deltaTSigma = Restored(record.deltaTSigma, kDeltaTSigma, record.present);
    summary.durationSeconds = Restored(record.durationSeconds, kDuration, record.present);
    summary.widthKm = Restored(record.widthKm, kWidth, record.present);
    eclipse.fit.elements.t0 = Instant::FromJulianDate(record.t0Day, record.t0Fraction);
    PairFigures(record, eclipse, [](const auto& stored, auto& value) { value = stored; });
    return eclipse;
}

bool IsWhole(const StoredRecord& record)
{
    return RecordChecksum(record) == record.checksum && record.type <= static_cast<std::uint8_t>(EclipseType::Hybrid);
}

// An open regular file read at given offsets; Open gives nothing for a
// missing file or anything but a regular file.
class StoredFile {
public:
    static std::optional<StoredFile> Open(const std::string& path)
    {
        // Not blocking: a FIFO in the file's place must not hold the command.
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (descriptor < 0) {
            return std::nullopt;
        }
        StoredFile file(path, descriptor);
        struct stat status = {};
        if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
            return std::nullopt;
        }
        file.m_size = static_cast<std::uint64_t>(status.st_size);
        return file;
    }
    StoredFile(StoredFile&& other) noexcept
        : m_path(std::move(other.m_path)), m_descriptor(std::exchange(other.m_descriptor, -1)), m_size(other.m_size)
    {
    }
    StoredFile(const StoredFile&) = delete;
    StoredFile& operator=(const StoredFile&) = delete;
    StoredFile& operator=(StoredFile&&) = delete;
    ~StoredFile()
    {
        if (m_descriptor >= 0) {
            ::close(m_descriptor);
        }
    }

    std::uint64_t Size() const { return m_size; }
    const std::string& Path() const { return m_path; }

    // size bytes at offset, which the caller has checked lie within the file.
    void ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const
    {
        auto* bytes = static_cast<char*>(buffer);
        while (size > 0) {
            const ssize_t read = ::pread(m_descriptor, bytes, size, static_cast<off_t>(offset));
            if (read < 0 && errno == EINTR) {
                continue;
            }
            if (read < 0) {
                throw CFileException(m_path, FileErrorKind::Read, errno);
            }
            if (read == 0) {
                throw CFileException(m_path, "ends before its size");
            }
            bytes += read;
            size -= static_cast<std::size_t>(read);
            offset += static_cast<std::uint64_t>(read);
        }
    }

private:
    StoredFile(std::string path, int descriptor) : m_path(std::move(path)), m_descriptor(descriptor) {}

    std::string m_path;
    int m_descriptor = -1;
    std::uint64_t m_size = 0;
};

// The header and stamp of a file, checked against each other and the file's size.
struct StoredLayout {
    StoredHeader header;
    std::string stamp;

    std::uint64_t RecordOffset(std::uint64_t index) const
    {
        return sizeof(StoredHeader) + header.stampSize + index * sizeof(StoredRecord);
    }
};

StoredLayout ReadLayout(const StoredFile& file)
{
    StoredLayout layout;
    if (file.Size() < sizeof(StoredHeader)) {
        throw CFileException(file.Path(), file.Size(), sizeof(StoredHeader));
    }
    file.ReadAt(0, &layout.header, sizeof(StoredHeader));
    const StoredHeader& header = layout.header;
    if (header.magic != kMagic || header.stampSize > kLongestStamp || header.recordSize != sizeof(StoredRecord)) {
        throw CFileException(file.Path(), "not a file of stored eclipses of this layout (compute them again: "
                                          "umbrant-cli convert eclipses)");
    }
    const std::uint64_t expected = layout.RecordOffset(header.recordCount);
    if (file.Size() != expected) {
        throw CFileException::Damaged(file.Path(), file.Size(), expected);
    }
    layout.stamp.resize(header.stampSize);
    file.ReadAt(sizeof(StoredHeader), layout.stamp.data(), layout.stamp.size());
    if (HeaderChecksum(header, layout.stamp) != header.checksum) {
        throw CFileException::Damaged(file.Path(), file.Size(), expected);
    }
    return layout;
}

bool Covers(const StoredLayout& layout, const CivilDate& date)
{
    return layout.header.firstYear <= date.year && date.year <= layout.header.lastYear;
}

// The file opened and its layout read, when it was stored under stamp.
struct OpenStore {
    StoredFile file;
    StoredLayout layout;
};

std::optional<OpenStore> OpenStoredUnder(const std::string& path, const StoredEclipsesStamp& stamp)
{
    std::optional<StoredFile> file = StoredFile::Open(path);
    if (!file) {
        return std::nullopt;
    }
    StoredLayout layout = ReadLayout(*file);
    if (layout.stamp != stamp.Text()) {
        return std::nullopt;
    }
    return OpenStore{std::move(*file), std::move(layout)};
}

// The records from first (included) to last (excluded), each checked.
std::vector<StoredRecord> RecordsAt(const OpenStore& store, std::uint64_t first, std::uint64_t last)
{
    std::vector<StoredRecord> records(last - first);
    store.file.ReadAt(store.layout.RecordOffset(first), records.data(), records.size() * sizeof(StoredRecord));
    for (std::size_t k = 0; k < records.size(); ++k) {
        if (!IsWhole(records[k])) {
            throw CFileException(store.file.Path(), "the eclipse of record " + std::to_string(first + k) +
                                                        " is not what was stored (compute them again: umbrant-cli "
                                                        "convert eclipses)");
        }
    }
    return records;
}

std::array<int, 3> KeyAt(const StoredFile& file, const StoredLayout& layout, std::uint64_t index)
{
    DateKey key;
    file.ReadAt(layout.RecordOffset(index), &key, sizeof key);
    return {key.year, key.month, key.day};
}

// The first record whose date is not before the one sought.
std::uint64_t LowerBound(const StoredFile& file, const StoredLayout& layout, const std::array<int, 3>& sought)
{
    std::uint64_t low = 0;
    std::uint64_t high = layout.header.recordCount;
    while (low < high) {
        const std::uint64_t middle = low + (high - low) / 2;
        if (KeyAt(file, layout, middle) < sought) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

} // namespace

std::string StoredEclipsesStamp::Text() const
{
    std::string text = "program " + program + "\nmodel " + model + "\n";
    for (const ManifestEntry& entry : series) {
        char checksum[9];
        std::snprintf(checksum, sizeof checksum, "%08x", static_cast<unsigned>(entry.checksum));
        text += "series " + entry.name + " " + std::to_string(entry.size) + " " + checksum + "\n";
    }
    return text;
}

std::optional<StoredEclipsesStamp> StampFor(const std::string& dataDirectory, const std::string& program,
                                            const TimeModel& model)
{
    if (program.empty() || model.GivenDeltaT()) {
        return std::nullopt;
    }
    std::vector<ManifestEntry> listed;
    try {
        listed = ReadManifest(dataDirectory + kManifestName);
    } catch (const CFileException&) {
        return std::nullopt;
    }
    StoredEclipsesStamp stamp{program, model.Name(), {}};
    for (const char* image : {kElpImageName, kVsopImageName, kNutationImageName}) {
        const auto entry = std::find_if(listed.begin(), listed.end(), [image](const ManifestEntry& e) { return e.name == image; });
        if (entry == listed.end()) {
            return std::nullopt;
        }
        stamp.series.push_back(*entry);
    }
    return stamp;
}

std::vector<std::uint8_t> StoredEclipsesImage(const StoredEclipsesStamp& stamp, int firstYear, int lastYear,
                                               std::span<const EclipseOfDate> eclipses)
{
    const std::string text = stamp.Text();
    StoredHeader header;
    header.stampSize = static_cast<std::uint32_t>(text.size());
    header.recordSize = sizeof(StoredRecord);
    header.recordCount = static_cast<std::uint32_t>(eclipses.size());
    header.firstYear = firstYear;
    header.lastYear = lastYear;
    header.checksum = HeaderChecksum(header, text);
    std::vector<std::uint8_t> image(sizeof header + text.size() + eclipses.size() * sizeof(StoredRecord));
    StoreRecord(image, 0, header);
    std::memcpy(image.data() + sizeof header, text.data(), text.size());
    std::size_t offset = sizeof header + text.size();
    for (const EclipseOfDate& eclipse : eclipses) {
        StoreRecord(image, offset, RecordOf(eclipse));
        offset += sizeof(StoredRecord);
    }
    return image;
}

std::optional<EclipseOfDate> FindStoredEclipse(const std::string& path, const StoredEclipsesStamp& stamp,
                                               const CivilDate& date)
{
    const std::optional<OpenStore> store = OpenStoredUnder(path, stamp);
    if (!store || !Covers(store->layout, date)) {
        return std::nullopt;
    }
    const std::uint64_t index = LowerBound(store->file, store->layout, KeyOf(date));
    if (index == store->layout.header.recordCount || KeyAt(store->file, store->layout, index) != KeyOf(date)) {
        return std::nullopt;
    }
    return EclipseOf(RecordsAt(*store, index, index + 1).front());
}

std::optional<std::vector<EclipseSummary>> FindStoredEclipses(const std::string& path, const StoredEclipsesStamp& stamp,
                                                              const CivilDate& from, const CivilDate& to)
{
    const std::optional<OpenStore> store = OpenStoredUnder(path, stamp);
    if (!store || !Covers(store->layout, from) || !Covers(store->layout, to)) {
        return std::nullopt;
    }
    const std::uint64_t first = LowerBound(store->file, store->layout, KeyOf(from));
    const std::uint64_t last = std::max(first, LowerBound(store->file, store->layout, AfterKeyOf(to)));
    std::vector<EclipseSummary> summaries;
    for (const StoredRecord& record : RecordsAt(*store, first, last)) {
        summaries.push_back(EclipseOf(record).summary);
    }
    return summaries;
}

bool IsStoredUnder(const std::string& path, const StoredEclipsesStamp& stamp, int firstYear, int lastYear)
{
    try {
        const std::optional<OpenStore> store = OpenStoredUnder(path, stamp);
        if (!store || store->layout.header.firstYear != firstYear || store->layout.header.lastYear != lastYear) {
            return false;
        }
        RecordsAt(*store, 0, store->layout.header.recordCount);
        return true;
    } catch (const CFileException&) {
        return false;
    }
}
