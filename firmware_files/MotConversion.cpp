#include "firmware_files/MotConversion.h"

#include "common/PathSeparator.h"
#include "firmware_files/FileExists.h"
#include "platform/sys/File.h"
#include "platform/sys/Process.h"
#include "platform/sys/StringRes.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/MessageBox.h"
#include "resources/ResourceIds.h"

namespace {

// A scale image is longer than this; an output of this size or less means the converter failed.
constexpr ULONGLONG kMinImageLength = 100000;

// Room for the saved current directory; paths here may be longer than the 260 bytes of the
// platform the wizard was first written for.
constexpr int kMaxPath = 4096;

void ShowArrowCursor()
{
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

// Deletes a work file left by an earlier conversion. When it cannot be deleted, the operator is told
// which file it is, so that it is never mistaken for the new image.
BOOL RemoveStaleWorkFile(const CString& strPath)
{
    if (!FileExists(strPath.c_str()))
        return TRUE;
    try {
        CFile::Remove(strPath.c_str());
    } catch (CFileException* e) {
        e->Delete();
        ShowArrowCursor();
        AfxMessageBox(FormatString("Cannot delete the old work file %s.\nThe image cannot be converted while "
                                   "it is there. Delete or rename it, then click the Next button to retry.",
                                   strPath.c_str())
                          .c_str());
        return FALSE;
    }
    return TRUE;
}

// A conversion program that is there but cannot be run is as good as missing: the operator is to
// reinstall the programs, not to doubt the chosen file.
BOOL ConverterPresent(LPCSTR lpszName)
{
    return FileExists(lpszName) && IsRunnableFile(lpszName);
}

// The batch file and both programs it calls must stand in the current directory.
BOOL ConvertersPresent(const CString& strBatchFile)
{
    return ConverterPresent(strBatchFile.c_str()) && ConverterPresent("SRECORD.EXE") && ConverterPresent("CNVS.EXE");
}

// Whether a file can be made at this path; what is made is taken away again.
BOOL CanCreate(const CString& strPath)
{
    CFile file;
    if (!file.Open(strPath.c_str(), CFile::modeCreate | CFile::modeWrite))
        return FALSE;
    file.Close();
    try {
        CFile::Remove(strPath.c_str());
    } catch (CFileException* e) {
        e->Delete();
    }
    return TRUE;
}

}  // namespace

CMotConversion::CMotConversion(const CString& strDirectory)
    : m_strDirectory(strDirectory),
      m_strWorkMot(strDirectory + kPathSeparatorString + "ZELTO.MOT"),
      m_strWorkBin(strDirectory + kPathSeparatorString + "ZELTO.BIN")
{
}

BOOL CMotConversion::Convert(const CString& strMotFile, ImageKind kind, CString& strUploadFile)
{
    SetCursor(LoadCursor(nullptr, IDC_WAIT));

    // The output first: an old image must never pass for the new one.
    if (!RemoveStaleWorkFile(m_strWorkBin) || !RemoveStaleWorkFile(m_strWorkMot))
        return FALSE;

    const CString strBatchFile = NamesOf(kind).pszBatchFile;
    const CString strCommandLine = strBatchFile + " ZELTO ZELTO.BIN";

    // A chosen file that cannot be copied still lets the converter run; the result counts as failed.
    const BOOL bCopied = CopyFileA(strMotFile.c_str(), m_strWorkMot.c_str(), FALSE);
    // A program folder that cannot be written is no fault of the chosen file: the operator is told
    // which folder it is, since the converted image has to be made there.
    if (!bCopied && !CanCreate(m_strWorkMot)) {
        ShowArrowCursor();
        AfxMessageBox(FormatString("Cannot convert the MOT file: the program folder %s cannot be written.\n"
                                   "The converted image is made in that folder. Run the wizard from a folder "
                                   "you can write to, or ask for write access to this one.",
                                   m_strDirectory.c_str())
                          .c_str());
        return FALSE;
    }

    char szSavedDirectory[kMaxPath];
    if (_getcwd(szSavedDirectory, kMaxPath) == nullptr) {
        // Without it the current directory could not be given back after the command.
        ShowArrowCursor();
        AfxMessageBox("Cannot convert the MOT file: the current directory cannot be read.");
        return FALSE;
    }
    if (_chdir(m_strDirectory.c_str()) != 0 || !ConvertersPresent(strBatchFile)) {
        _chdir(szSavedDirectory);
        ShowArrowCursor();
        AfxMessageBox(IDS_CONVERTER_MISSING, MB_OK);
        return FALSE;
    }

    RunCommandLine(strCommandLine.c_str());  // only the output file tells how it went
    _chdir(szSavedDirectory);
    strUploadFile = m_strWorkBin;

    BOOL bResult = FALSE;
    if (bCopied) {
        CFile file;
        if (file.Open(m_strWorkBin.c_str(), CFile::modeRead)) {
            bResult = file.GetLength() > kMinImageLength;
            file.Close();
        }
    }
    ShowArrowCursor();
    if (!bResult)
        AfxMessageBox(IDS_CONVERT_ERROR, MB_OK);
    return bResult;
}
