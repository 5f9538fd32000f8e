// The two voyages of Amerigo Vespucci that historians consider certain.
export default {
  title: 'Amerigo Vespucci',
  subtitle: '1454–1512',
  projection: { type: 'mercator', rotate: [38, 0], fit: [[-76, -36], [0, -36], [-76, 43], [0, 43]] },
  pad: 6,
  routes: [
    {
      color: '#c0392b',
      points: [
        [-6.3, 36.4], [-10, 33], [-15.5, 28.2], [-25, 16], [-40, 5], [-49, 1.5], [-54, 6.3], [-58, 7.5],
        [-61, 9.8], [-63.9, 11.2], [-68.9, 12.4], [-71.5, 12], [-73, 17.5], [-67, 21], [-50, 30], [-30, 38],
        [-15, 37.5], [-6.3, 36.4],
      ],
      arrows: [3, 9, 14],
    },
    {
      color: '#1f6f3a',
      points: [
        [-9.2, 38.6], [-14, 31], [-16.5, 24], [-17.6, 14.7], [-25, 6], [-32, -2], [-35.1, -5.5], [-34.7, -9],
        [-38.3, -13.5], [-38.7, -18.5], [-40.9, -22.3], [-43.2, -23.1], [-47.5, -26], [-49.5, -29.5], [-51.5, -32.5],
      ],
      arrows: [5, 10],
    },
    {
      color: '#1f6f3a',
      dashed: true,
      points: [[-51.5, -32.5], [-40, -30], [-25, -15], [-13.5, 8], [-20, 25], [-27, 38.5], [-9.2, 38.6]],
      arrows: [2, 4],
    },
  ],
  places: [
    { name: 'Sewilla', at: [-6.0, 37.4], pos: 'se' },
    { name: 'Lizbona', at: [-9.2, 38.6], pos: 'w' },
    { name: 'Wenezuela', at: [-66, 7.5], kind: 'area' },
    { name: 'Brazylia', at: [-50, -12], kind: 'area' },
    { name: 'Rio de Janeiro', at: [-43.2, -22.9], pos: 'w' },
    { name: 'ujście\nAmazonki', at: [-50, -0.5], pos: 'w' },
    { name: 'Zielony Przylądek', at: [-17.5, 14.7], pos: 'e' },
  ],
  seaLabels: [
    { name: 'Ocean\nAtlantycki', at: [-25, -25], size: 13 },
    { name: 'Morze Karaibskie', at: [-70, 15.5], size: 10 },
  ],
  legend: [
    { color: '#c0392b', text: 'wyprawa hiszpańska z Ojedą (1499–1500)' },
    { color: '#1f6f3a', text: 'wyprawa portugalska (1501–1502)' },
    { color: '#1f6f3a', dashed: true, text: 'przypuszczalna droga powrotna (1502)' },
  ],
};
