#include "DriveAt.h"

#include "platform/cdrom/CdAudio.h"

using namespace platform::cdrom;

HCDROM OpenDriveAt(int index) {
    TCDList list;
    list.max = MAX_CD_DRIVES;
    GetCDList(&list);
    if (index >= list.num) return 0;
    TGetCDHandleParams params;
    params.size = 12;
    params.ver = 1;
    params.ha = list.cd[index].ha;
    params.tgt = list.cd[index].tgt;
    params.lun = list.cd[index].lun;
    return GetCDHandle(&params);
}
