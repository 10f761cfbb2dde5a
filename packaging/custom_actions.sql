-- Custom actions of the Windows Installer package that wixl cannot write:
-- the helper exe (Binary table "SetupHelper") with its command line. One
-- query per line; scripts/lib.sh (qc_msi) runs them on the built package.
-- Types: 2 = exe from the Binary table; +64 = its exit code is ignored;
-- +1024 = deferred (runs inside the installation script); +2048 = as the
-- installer's own account rather than as the user.
-- The folder argument ends in \" after [INSTALLDIR]'s own backslash, so the
-- backslash does not escape the closing quote.
INSERT INTO `CustomAction` (`Action`, `Type`, `Source`, `Target`) VALUES ('CloseRunningQuillcast', 2, 'SetupHelper', 'close "[INSTALLDIR]\"')
INSERT INTO `CustomAction` (`Action`, `Type`, `Source`, `Target`) VALUES ('ForgetMachineAutostart', 3138, 'SetupHelper', 'forget-autostart machine "[INSTALLDIR]\"')
INSERT INTO `CustomAction` (`Action`, `Type`, `Source`, `Target`) VALUES ('ForgetUserAutostart', 1090, 'SetupHelper', 'forget-autostart user "[INSTALLDIR]\"')
