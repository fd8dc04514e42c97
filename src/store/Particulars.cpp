#include "store/Particulars.h"

namespace store {

namespace {

// The table is indexed by field: entry i must be header line i + 1.
constexpr bool inHeaderLineOrder()
{
    for (int i = 0; i < kHeaderFields; ++i) {
        if (kParticularFields[i].field != i)
            return false;
    }
    return true;
}
static_assert(inHeaderLineOrder(), "kParticularFields must list the fields in header-line order");

} // namespace

QString& particular(PendingBatch& batch, BatchHeader::Field field)
{
    return batch.*kParticularFields[field].member;
}

const QString& particular(const PendingBatch& batch, BatchHeader::Field field)
{
    return batch.*kParticularFields[field].member;
}

BatchHeader headerOf(const PendingBatch& batch)
{
    BatchHeader header;
    for (const ParticularField& entry : kParticularFields)
        header.setField(entry.field, batch.*entry.member);
    return header;
}

} // namespace store
