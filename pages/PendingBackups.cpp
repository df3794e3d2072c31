// Backup item lists of the pages whose lists are not written yet: they back up nothing.
#include "pages/Pages.h"

void StartMenuBackupItems(const QmThisApp&, BackupList&) {}
void SystemBackupItems(const QmThisApp&, BackupList&) {}
void RestrictionsBackupItems(const QmThisApp&, BackupList&) {}
void HardwareBackupItems(const QmThisApp&, BackupList&) {}
void Network1BackupItems(const QmThisApp&, BackupList&) {}
void Network2BackupItems(const QmThisApp&, BackupList&) {}
void IconsBackupItems(const QmThisApp&, BackupList&) {}
void InternetExplorerBackupItems(const QmThisApp&, BackupList&) {}
