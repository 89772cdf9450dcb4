' A script client of the registered control; prints a sentinel only when every check held.
Option Explicit
Dim b, c, ok
ok = True
Set b = CreateObject("Brocade.Brocade")

c = b.GetMeanColor(&H010101, &H020202)
WScript.Echo "GetMeanColor(&H010101, &H020202) = &H" & Hex(c)
If c <> &H020202 Then ok = False

b.HighlightStyle = 7
If b.HighlightStyle <> 7 Then ok = False
WScript.Echo "Version " & b.Version

On Error Resume Next
Dim p
Set p = b.CaptureScreen()
WScript.Echo "CaptureScreen: " & Hex(Err.Number) & " " & Err.Source & ": " & Err.Description
If Err.Number <> &H80040000 Or Err.Source <> "Brocade" Then ok = False
On Error GoTo 0

If ok Then WScript.Echo "BROCADE SCRIPT OK" Else WScript.Echo "checks did not hold"
