// Viking routes: across the North Atlantic to Iceland, Greenland and
// Vinland, and along the rivers of Eastern Europe to Constantinople.
export default {
  title: 'Wikingowie',
  subtitle: 'wyprawy z Północy, VIII–XI wiek',
  projection: {
    type: 'conicConformal',
    rotate: [16, 0],
    parallels: [45, 65],
    fit: [[-70, 47], [40, 43], [-55, 72], [30, 71], [29, 40]],
  },
  pad: 6,
  routes: [
    { color: '#1f5fa8', points: [[5.3, 60.4], [-1.3, 60.5], [-6.9, 62.0], [-14, 63.5], [-21.9, 64.1]], arrows: [2] },
    { color: '#1f5fa8', points: [[-23.5, 65.2], [-32, 65.3], [-39, 64], [-42, 61], [-44, 59.3], [-46.5, 60.2], [-45.5, 61.15]], arrows: [1] },
    { color: '#c0392b', points: [[-45.5, 61.15], [-48, 60.5], [-54, 62.5], [-62, 63.5], [-62, 59], [-58.5, 55], [-56, 52.5], [-55.5, 51.6]], arrows: [2, 5] },
    { color: '#6d4c9f', points: [[5.3, 60.4], [2, 57.5], [-1.8, 55.7]] },
    { color: '#6d4c9f', points: [[9.6, 54.5], [8.5, 56], [6, 54], [2, 51.5], [0.2, 49.5], [1.1, 49.44]] },
    {
      color: '#1e8a4a',
      points: [[17.5, 59.3], [19.5, 59.0], [22, 59.5], [27, 60], [30, 60], [32, 59.9], [31.3, 58.5], [31, 56], [30.5, 53], [30.5, 50.45], [33, 48], [32.5, 46.5], [31, 44], [29.5, 42], [29.0, 41.0]],
      arrows: [3, 10],
    },
  ],
  places: [
    { name: 'Islandia\n(ok. 874)', at: [-21.9, 64.1], pos: 'se' },
    { name: 'Brattahlíð', at: [-45.5, 61.15], pos: 'se' },
    { name: 'L’Anse aux\nMeadows', at: [-55.5, 51.6], pos: 'se' },
    { name: 'Lindisfarne (793)', at: [-1.8, 55.7], pos: 'w' },
    { name: 'Normandia (911)', at: [1.1, 49.44], pos: 's' },
    { name: 'Birka', at: [17.5, 59.3], pos: 'sw' },
    { name: 'Nowogród', at: [31.3, 58.5], pos: 'e' },
    { name: 'Kijów', at: [30.5, 50.45], pos: 'e' },
    { name: 'Konstantynopol', at: [29.0, 41.0], pos: 'w' },
    { name: 'Grenlandia', at: [-40, 71], kind: 'area' },
    { name: 'Helluland', at: [-69, 65], kind: 'area' },
    { name: 'Markland', at: [-64.5, 54.5], kind: 'area' },
    { name: 'Winlandia', at: [-60, 48.8], kind: 'area' },
    { name: 'Skandynawia', at: [20, 67], kind: 'area' },
  ],
  seaLabels: [
    { name: 'Ocean\nAtlantycki', at: [-30, 52], size: 12 },
    { name: 'Morze\nCzarne', at: [34.5, 43.6], size: 10 },
  ],
  legend: [
    { color: '#1f5fa8', text: 'do Islandii i na Grenlandię (IX–X wiek)' },
    { color: '#c0392b', text: 'Leif Eriksson do Winlandii (ok. 1000)' },
    { color: '#6d4c9f', text: 'najazdy na Anglię i Francję' },
    { color: '#1e8a4a', text: 'szlak Waregów „do Greków”' },
  ],
};
