// The CD database's answers on any text: a query answer's matches, a read answer parsed into a disc and written
// back as the record's lines, and the track titles the main window takes from that record.
#include <cddb/cddb_disc.h>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/cdrom/detail/CddbQueryAnswer.h"
#include "platform/cdrom/detail/CddbReadAnswer.h"
#include "platform/cdrom/detail/CddbRecordText.h"
#include "trackmill/app/windows/CddbTitles.h"

namespace {

struct DiscCloser {
    void operator()(cddb_disc_t* disc) const { cddb_disc_destroy(disc); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string answer(reinterpret_cast<const char*>(data), size);
    (void)platform::cdrom::detail::ParseQueryAnswer(answer);
    const std::unique_ptr<cddb_disc_t, DiscCloser> disc(cddb_disc_new());
    if (disc && platform::cdrom::detail::FillDiscFromReadAnswer(answer, disc.get()))
        (void)CddbTrackTitles(platform::cdrom::detail::RecordText(disc.get()));
    // The titles are read from any text the library hands back, also one it did not make itself.
    (void)CddbTrackTitles(answer);
    return 0;
}
