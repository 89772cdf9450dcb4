' Drives the Brocade control from a script host (cscript //nologo hello.vbs).
' Script hosts cannot attach the control to a form, so this shows its automation surface:
' properties, the colour helper and the error a public operation reports.
Option Explicit
Dim brocade
Set brocade = CreateObject("Brocade.Brocade")

WScript.Echo "Brocade " & brocade.Version
WScript.Echo "HighlightStyle (new control): " & brocade.HighlightStyle

brocade.HighlightStyle = 9           ' XP
brocade.MenuBorder = 2               ' Flat with Shadow
brocade.UseCustomColors = True
brocade.MenuHighlight = RGB(255, 200, 120)
WScript.Echo "HighlightStyle now: " & brocade.HighlightStyle & ", MenuBorder: " & brocade.MenuBorder
WScript.Echo "MenuHighlight: &H" & Hex(brocade.MenuHighlight)
WScript.Echo "GetMeanColor(&H010101, &H020202) = &H" & Right("00000" & Hex(brocade.GetMeanColor(&H010101, &H020202)), 6)

On Error Resume Next
brocade.CaptureScreen
WScript.Echo "CaptureScreen reports: " & Err.Source & " (&H" & Hex(Err.Number) & "): " & Err.Description
